// The engines' field families of one model and variable, from its yearly
// seasonal means and its global-mean annual temperature:
//   1 normalised change, definition 1: (future mean - baseline mean) / dTg
//   2 normalised change, definition 2: regression slope on global temperature
//   3 baseline mean
//   4 baseline interannual S.D. of the linearly detrended yearly values
//   5 change of that S.D., definition 1: (future S.D. / baseline S.D. - 1) / dTg
//   6 change of the S.D., definition 2: regression of the absolute residuals
//     of the family-2 fit on global temperature
// Temperature changes are in degC per degC, precipitation changes and every
// S.D. change in % per degC; baselines in degC or mm/day. A box statistic
// needs every year of the years it uses; otherwise it is missing.
#pragma once

#include <array>

#include "importer/seasonal_means.h"
#include "importer/units.h"

namespace imp {

struct Epochs {
  int base_first = 1961, base_last = 1990;
  int future_first = 2071, future_last = 2100;
};

// Global-mean temperature of the two epochs and the warming between them.
struct Warming {
  double base = 0.0, future = 0.0;
  double dTg() const { return future - base; }
};

Warming epoch_warming(const SeasonalMeans& tas, const Epochs& e);

// Precipitation changes in % are missing where the baseline mean is below
// this (mm/day): a percentage of almost nothing says nothing.
inline constexpr double PRECIP_BASE_MIN = 0.01;

// The six families of season `season`, index 0 for family 1; missing boxes
// are eng::MISSING.
std::array<BoxField, 6> families(const SeasonalMeans& v, const SeasonalMeans& tas, const Epochs& e, Quantity q,
                                 int season);

}  // namespace imp
