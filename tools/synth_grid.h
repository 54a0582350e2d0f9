// The 5-degree grid as the generator sees it: box centres, the land mask,
// a smoothed land fraction for continentality, and smooth random anomaly
// fields from which every synthetic field takes its model-to-model spread.
#pragma once

#include <array>

#include "tools/synth_random.h"

namespace synth {

constexpr int NROW = 36;
constexpr int NCOL = 72;
constexpr int NBOX = NROW * NCOL;

// A field in file order: row 0 is 87.5 N, column 0 is 177.5 W, columns
// fastest. Values not greater than -99.0 are missing.
using Field = std::array<double, NBOX>;

// The missing marker of the grid fields.
constexpr double MISSING = -99.99;

inline bool valid(double v) { return v > -99.0; }

struct Geometry {
  double lat[NROW];       // centre latitude, degrees N (87.5 ... -87.5)
  double lon[NCOL];       // centre longitude, degrees E (-177.5 ... 177.5)
  double sinlat[NROW];
  double coslat[NROW];
  Field land;             // 1 land, 0 sea
  Field landfrac;         // land share of the 3 x 3 boxes around each box
};

// Built once from the land table.
const Geometry& geometry();

// A smooth random field of unit order (RMS about 1): a sum of large-scale
// waves in longitude and latitude.
Field smooth_anomaly(Rng& rng);

// The cosine-weighted mean of the valid values.
double global_mean(const Field& f);

}  // namespace synth
