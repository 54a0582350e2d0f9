// The run summary: global-mean warming and sea-level rise of both scenarios
// for the four parameter sets, and the regional area averages, from the
// results as results/ reads them.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "frontend/data_tree.h"
#include "frontend/run_settings.h"
#include "results/global_results.h"
#include "results/regional_results.h"

namespace fe {

// The folders of one scenario in a run folder.
struct ScenarioResult {
  std::string label;
  std::string orvtar_dir;
  std::string engine_dir;
};

// The results of a finished run, reference scenario first.
struct RunResults {
  std::vector<res::GlobalResults> global;
  std::vector<res::RegionalResults> regional;
};

// Reads both scenarios' folders; a missing or malformed file throws
// rec::Error naming it.
RunResults read_run_results(const ScenarioResult& reference, const ScenarioResult& policy);

void print_summary(const RunSettings& rs, const RunResults& results, const DataTree& tree, std::ostream& out);

}  // namespace fe
