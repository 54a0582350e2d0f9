// AVESD: the average and inter-model standard deviation of a set of grid
// fields, gridpoint by gridpoint, and the two tests that say which values
// take part in a statistic.
#pragma once

#include <span>

#include "engines/common/grid.h"

namespace vs {

// A value is present unless it is the missing marker -99.99, recognised
// within the closed band -99.991 … -99.989 (single-precision bounds). Unlike
// eng::valid (greater than -99.0), -99.5 is present.
inline constexpr double MISSING_LO = static_cast<double>(-99.991f);
inline constexpr double MISSING_HI = static_cast<double>(-99.989f);
inline bool present(double x) { return x < MISSING_LO || x > MISSING_HI; }

// Which values of the fields are averaged.
enum class Admit {
  Valid,    // greater than -99.0: the engines' validity rule
  Present,  // everything but the missing marker (the per-case SNRs)
};

// AVESD(N, F, AVE, SD) over the N = F.size() fields: at every gridpoint, with
// n admitted values, sum S and sum of squares Q, AVE = S/n (MISSING when
// n = 0) and SD = sqrt((Q - AVE*AVE*n)/n), the population form, 0 when that
// difference is not positive and everywhere when N = 1.
void AVESD(std::span<const eng::Field> F, eng::Field& AVE, eng::Field& SD,
           Admit admit = Admit::Valid);

}  // namespace vs
