// The figures of results/figures/: for each, a small gnuplot script beside
// its data file, so that a user can restyle it and redraw it with one
// command (`gnuplot NAME.gp` in that folder writes NAME.png and NAME.svg).
// This file writes the scripts and data; the front end runs gnuplot.
#pragma once

#include <string>
#include <vector>

#include "results/global_results.h"
#include "results/regional_results.h"
#include "results/run_info.h"

namespace res {

struct Figure {
  std::string name;     // "global-temperature": NAME.gp, NAME.dat, NAME.png, NAME.svg
  std::string caption;  // one line for the page
  std::string group;    // "global", or "map"
  int width = 0, height = 0;  // pixels of the PNG
  int scenario = -1;    // a map's scenario: 0 reference, 1 policy
};

// The coastlines the maps draw, as the figures folder holds them.
inline constexpr const char* COASTLINES_FILE = "coastlines-110m.txt";

// Writes every figure's script and data into `dir`, and copies the
// coastlines file `coastlines` (longitude latitude polylines) there.
// Returns the figures in the order of the page. `scenarios` and `regional`
// are the reference then the policy scenario.
std::vector<Figure> write_figure_scripts(const std::string& dir, const std::vector<GlobalResults>& scenarios,
                                         const std::vector<RegionalResults>& regional, const RunInfo& info,
                                         const std::string& coastlines);

}  // namespace res
