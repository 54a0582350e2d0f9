// Writers of the synthetic tree's files, each in the record layout the
// engines read.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "tools/synth_grid.h"

namespace synth {

// The identifier record of every synthetic grid-field file.
inline constexpr const char* FIELD_ID = "SYNTH";

// The header records of the synthetic aerosol patterns (Europe, Asia, rest
// of the world) of `what` (variable and season).
std::array<std::string, 3> aerosol_headers(const std::string& what);

// Mask file: the name under "(A8)", then 36 rows of "(72I1)".
void write_mask_file(const std::string& path, const std::string& name,
                     const std::array<int, NBOX>& weights);

// One year of a regional warming-weights file.
struct WeightsRow {
  int year;
  double ghg, eur, asia, row, glob;
};

// The synthetic warming series of parameter set `ipset` (1 DEFAULT, 2 USER)
// and scenario `iscen` (1 REFRNCE, 2 POLICY), years 1961 to 2200.
std::vector<WeightsRow> warming_series(int ipset, int iscen);

// Regional warming-weights file: six header records, then one record per
// year "(1X,I5,5F10.4)" (the layout of the climate model's drive files).
void write_weights_file(const std::string& path, int ipset, int iscen);

// A SHELL.CFG and an EXTRA.CFG for a whole-globe run of all 17 models on the
// given variable and season, ready to run in `dir`.
void write_demo_configs(const std::string& dir, int ivar, int iseas);

// The README.txt at the root of the tree: what it is and how it was made.
void write_readme(const std::string& path, const std::vector<std::string>& lines);

}  // namespace synth
