// The ensemble's figure: the percentile bands (5-95 % and 17-83 %, with the
// median) of global-mean warming and sea-level rise for each scenario, as
// a gnuplot script that holds its own data (ensemble/ensemble.gp) and the
// pictures gnuplot makes of it (ensemble/ensemble.png and ensemble.svg).
#pragma once

#include <span>
#include <string>

#include <vector>

#include "ensemble/reduction.h"
#include "results/report_page.h"

namespace fe {

// Writes the script into `dir` and runs gnuplot on it. Returns "" when the
// picture was made, else a one-line reason (gnuplot missing or failing);
// the script is written either way.
std::string write_ensemble_figure(const std::string& dir, std::span<const ens::ScenarioStatistics> scenarios,
                                  bool constrained);

// The section of a run's report.html that shows the ensemble of the run
// folder `run_dir` (its figure and files), or none when it has no drawn
// ensemble figure. Paths are relative to run_dir/results/.
std::vector<res::PageSection> ensemble_page_sections(const std::string& run_dir);

}  // namespace fe
