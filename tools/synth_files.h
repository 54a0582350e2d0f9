// Writers of the synthetic tree's files, each in the record layout the
// engines read.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "tools/synth_grid.h"

namespace synth {

// How a grid field's values become the integers of its file.
enum class Encoding {
  Model,       // model change, baseline and S.D. files: hundredths, missing 999999
  ObsTenths,   // "OLD" observed temperature: tenths, missing -9999
  ObsHundredths,  // other observed baselines: hundredths, missing -9999 (reads as -99.99)
};

// One integer of a grid-field file.
int encode(double v, Encoding e);

// Grid-field file: identifier record "(A5)", then the 2592 integers under
// "(16I6)", row 1 first, columns fastest.
void write_grid_file(const std::string& path, const Field& f, Encoding e);

// Aerosol response patterns: for Europe, Asia and the rest of the world one
// header record and the 2592 hundredths under "(16I7)".
void write_aerosol_file(const std::string& path, const std::array<Field, 3>& p,
                        const std::string& what);

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
