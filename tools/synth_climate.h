// Physically shaped synthetic fields: what each file family of the data
// tree holds, model by model, season by season. Values are in the units of
// the files (degC, mm/day, degC or % per degC of global warming) with
// MISSING where a file reports a missing value.
#pragma once

#include <array>
#include <cstdint>

#include "tools/synth_grid.h"

namespace synth {

// Variables as in the engine settings.
constexpr int TEMP = 1;
constexpr int PRECIP = 2;

// The box (row 36, column 72 counted from 1) that every model leaves
// missing in its change fields, so that a tree always holds a box where no
// case is valid.
constexpr int HOLE_BOX = NBOX - 1;

// The fields of one catalogue model for one variable and season, by the
// family digit of their file names.
struct ModelFields {
  Field change[2];    // digits 1, 2: normalised change, definitions 1 and 2
  Field base;         // digit 3: baseline mean
  Field basesd;       // digit 4: baseline interannual S.D. (some exactly 0)
  Field sdchange[2];  // digits 5, 6: normalised S.D. change, definitions 1 and 2
};

// `model` is the catalogue index 1 .. 17; `ivar` TEMP or PRECIP; `iseas`
// 1 .. 17 (JAN .. DEC, DJF, MAM, JJA, SON, ANN).
ModelFields model_fields(std::uint64_t seed, int model, int ivar, int iseas);

// The observed baseline climate: the "OLD" set (coarser, with gaps over the
// poles) or the "NEW" set.
Field observed_baseline(std::uint64_t seed, int ivar, int iseas, bool old_set);

// The aerosol response patterns per unit regional weight: Europe, Asia and
// the rest of the world.
std::array<Field, 3> aerosol_patterns(std::uint64_t seed, int ivar, int iseas);

}  // namespace synth
