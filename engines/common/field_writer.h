// Writers of the data tree's grid-field and aerosol-pattern files, beside
// their readers (field_files.h): the layouts are the ones read there. Used
// by tesseragen and tesseraimport, so every tree has one writer.
#pragma once

#include <array>
#include <string>

#include "engines/common/grid.h"

namespace eng {

// How a value becomes an integer of a grid-field file (the inverse of
// Decode in field_files.h).
enum class Encoding {
  Model,          // model change, baseline and S.D. files: hundredths; missing 999999 (> 100000)
  ObsTenths,      // "OLD" observed temperature: tenths; missing -9999 (below -9990)
  ObsHundredths,  // other observed baselines: hundredths; missing -9999 (reads as -99.99)
};

// Integer marking a missing value under the encoding.
int missing_code(Encoding e);

// One integer of a grid-field file: the value rounded to hundredths (tenths
// for ObsTenths), or the missing code for a value that is not valid.
int encode(double v, Encoding e);

// Grid-field file: identifier record "(A5)", then the 2592 integers under
// "(16I6)", row 1 first, columns fastest.
void write_grid_file(const std::string& path, const std::array<double, NGRID>& f, Encoding e,
                     const std::string& id);

// Aerosol response patterns: for Europe, Asia and the rest of the world a
// header record (its text after one blank), then the 2592 hundredths under
// "(16I7)".
void write_aerosol_file(const std::string& path, const std::array<std::array<double, NGRID>, 3>& p,
                        const std::array<std::string, 3>& headers);

}  // namespace eng
