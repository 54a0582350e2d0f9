// Pattern scaling: a normalised change (per degC of global-mean warming)
// becomes the change for a given warming.
#pragma once

#include "engines/common/config.h"
#include "engines/common/field_files.h"

namespace eng {

// x * DT.
double scale_linear(double x, double DT);

// 100 * ((1 + x/100) ** DT - 1): a percentage rate per degC compounded over
// the warming. A change of -100 % or less has no such power; it gives MISSING.
double scale_exponential(double x, double DT);

// S(x, DT) of the scaling table: exponential for precipitation under
// ISCALE = 2, linear otherwise (temperature scales linearly under both
// settings); an invalid x gives MISSING.
double S(double x, double DT, int ISCALE, int IVAR);

// The warming used for the GHG-only gridpoint field: GHGWT when ISULF = 1,
// GLOBWT when ISULF = 0 (varistat always runs with ISULF = 0).
double choose_DTGHG(const EngineConfig& c, const Weights& w);

}  // namespace eng
