// Division of a global-mean forcing into the four surface boxes by a
// north/south ratio and a land/ocean ratio per hemisphere.
#pragma once

#include "orvtar/physics/state.h"

namespace orv {

// Forcing of the four surface boxes, W/m2.
struct BoxForcing {
  float NO, NL, SO, SL;  // NH ocean, NH land, SH ocean, SH land
};

// Splits the global mean Q so that NH/SH = RNS and land/ocean = RLON (NH),
// RLOS (SH); the area-weighted mean of the boxes (AFNO, AFNL, AFSO, AFSL)
// is Q again.
BoxForcing QSPLIT(const OrvState& s, float Q, float RNS, float RLON, float RLOS);

}  // namespace orv
