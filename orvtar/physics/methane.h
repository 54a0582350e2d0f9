// Methane budget of one year: the lifetime depends on methane itself, on the
// NOx, CO and VOC emissions and, optionally, on temperature.
#pragma once

#include "orvtar/physics/state.h"

namespace orv {

struct CH4Result {
  float C;    // concentration at the end of the year, ppb
  float TAU;  // OH lifetime of the year, yr
};

// One year of one CH4 case from the concentration Cprev of the year before,
// with emission E (Tg/yr), the emission changes dNOX, dCO, dVOC since 2000,
// base lifetime TAU0, self-feedback S, coefficients CNOX, CCO, CVOC and the
// temperature change dT. Reads CH4CONV, CH4REF, GAMOH and TAUOTHER.
CH4Result CH4STEP(const OrvState& s, int ITAUFB, float Cprev, float E, float dNOX, float dCO,
                  float dVOC, float TAU0, float S, float CNOX, float CCO, float CVOC, float dT);

}  // namespace orv
