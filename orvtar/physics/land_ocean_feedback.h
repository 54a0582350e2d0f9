// Separate land and ocean feedback parameters for a prescribed equilibrium
// land/ocean warming ratio.
#pragma once

#include "orvtar/physics/state.h"

namespace orv {

// Temperature changes of the four surface boxes, degC.
struct BoxTemperatures {
  float TNO, TNL, TSO, TSL;  // NH ocean, NH land, SH ocean, SH land
};

// Equilibrium of the four surface boxes under forcing Q on every box, with
// ocean feedback XO, land feedback XL (W m-2 K-1), land fractions FL1, FL2
// and the land-ocean and inter-hemispheric exchange coefficients. Solved
// exactly (land boxes eliminated, then the two ocean boxes) in double
// precision.
BoxTemperatures boxEquilibrium(float Q, float XO, float XL, float FL1, float FL2, float XKLO,
                               float XKNS);

// Finds XLAMO and XLAML (written to the state) such that the equilibrium
// under Q2X has the global warming DT2X and land/ocean warming ratio RLO
// within 0.001: trial steps of 1.0 from XLAM until the ratio error changes
// sign, then secant steps, at most 40 trials. Should those fail, the search
// is repeated with first steps of 0.1, 0.01 and 0.001; if every search
// fails, the last trial of the first one stands and the result is false.
bool LOFEED(OrvState& s, float Q2X, float FL1, float FL2, float XKLO, float XKNS, float DT2X,
            float RLO);

}  // namespace orv
