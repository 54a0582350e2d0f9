// Sulphate (direct and indirect) and fossil organic plus black carbon
// aerosol forcing of one year.
#pragma once

#include "orvtar/physics/state.h"

namespace orv {

struct AerosolForcing {
  float QAER;     // direct + indirect sulphate + fossil OC/BC, W/m2
  float QAERDIR;  // direct sulphate + fossil OC/BC
  float QFOC;     // fossil OC/BC
};

// Year index i with the SO2 emissions S1, S2 of years i and i+1 and X the
// (extended) CO emission of year i. Reads QDIR90, QIND90, QFOC90, ES1990,
// ESNAT, ECO90 and IFOCSC.
AerosolForcing AEROSOL(const OrvState& s, int i, float S1, float S2, float X);

}  // namespace orv
