// The page of a run (report.html): its settings, the summary's headline
// table, every figure with a caption, the regional table, the provenance
// of inputs and model data, and links to the data files and the programs'
// own reports. Returned unwritten.
//
// More to show (an ensemble's figure, say): pass it as `extra_sections`,
// which the page places after the regional maps, before the regional
// table. A section's figures are SVG and PNG files named relative to the
// page's folder (results/); the SVG is inlined when the page is written
// (docs/formats/results.md, "Adding to the page").
#pragma once

#include <string>
#include <vector>

#include "results/figure_scripts.h"
#include "results/global_results.h"
#include "results/regional_results.h"
#include "results/report_page.h"
#include "results/run_info.h"

namespace res {

// `figures` as write_figure_scripts returned them (in the folder
// "figures/" beside the page); `netcdf_files` the names written beside the
// page. Paths of the programs' folders are made relative to the page.
ReportPage run_page(const std::vector<GlobalResults>& global, const std::vector<RegionalResults>& regional,
                    const std::vector<Figure>& figures, const std::vector<std::string>& netcdf_files,
                    const RunInfo& info, const std::string& page_dir,
                    const std::vector<PageSection>& extra_sections = {});

}  // namespace res
