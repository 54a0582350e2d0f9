// The last step of `scenario run`, and all of `scenario report RUN_FOLDER`:
// the run folder's results/ (global.csv, regional.csv, regional-*.nc, the
// figures drawn by gnuplot from their scripts, report.html), written by
// results/ from the results read once (frontend/summary.h).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "frontend/data_tree.h"
#include "frontend/run_settings.h"
#include "frontend/summary.h"
#include "results/report_page.h"

namespace fe {

struct ResultsOptions {
  std::string run_dir;   // the run folder; results/ is made in it
  std::string shown_dir;  // its name once in place (a run is built beside it), as the results name it
  std::string data_dir;  // bundled data (coastlines/)
  std::string command;   // how the results were asked for, for their provenance
  std::string summary;   // the summary as printed
  // More sections of report.html (an ensemble's figures, say), after the
  // regional maps; see results/run_page.h. results/ is emptied first, so
  // their files live elsewhere in the run folder and are named relative to
  // results/ ("../ensemble/spread.svg").
  std::vector<res::PageSection> extra_sections;
};

// Writes run_dir/results/ and returns the path of its report.html there. A
// missing gnuplot, or one that fails, is one line of warning on `out` and
// the page says which figures are missing; the rest is written all the
// same. Other failures throw rec::Error.
std::string write_results(const RunSettings& rs, const RunResults& results, const DataTree& tree,
                          const ResultsOptions& opt, std::ostream& out);

// The gnuplot program on the PATH, or "" when there is none.
std::string find_gnuplot();

}  // namespace fe
