// The run summary: global-mean warming and sea-level rise of both scenarios
// for the four parameter sets, and the regional area averages.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "frontend/data_tree.h"
#include "frontend/run_settings.h"

namespace fe {

// The numbers of the row for `year` in a display file (temps.dis,
// sealev.dis), the year itself first; empty when the file has no such row.
std::optional<std::vector<double>> display_row(const std::string& path, int year);

// The value after "=" on the first line of `path` that contains `label`.
std::optional<double> labelled_value(const std::string& path, const std::string& label);

struct ScenarioResult {
  std::string label;
  std::string orvtar_dir;
  std::string engine_dir;
};

void print_summary(const RunSettings& rs, const ScenarioResult& ref, const ScenarioResult& pol,
                   const DataTree& tree, std::ostream& out);

}  // namespace fe
