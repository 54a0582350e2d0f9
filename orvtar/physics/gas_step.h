// The annual gas step: advances every gas cycle by whole years and turns
// each year's concentrations and emissions into the forcing series that
// drive the climate model.
#pragma once

#include "orvtar/physics/state.h"

namespace orv {

// Runs year indices IFROM..ITO in increasing order. Temperature feedbacks
// read TEMP of years i-1 and i-2 as the climate model has stored them.
// Throws std::invalid_argument when LEVCO2, LEVCH4 or LAGN2O would make it
// read outside its series.
void GASSTEP(OrvState& s, int IFROM, int ITO);

}  // namespace orv
