// Prescribed history of the gas concentrations and SO2 emissions, used for
// every year up to the end of the historical period.
#pragma once

#include "orvtar/physics/state.h"

namespace orv {

// Halocarbon concentrations (ppt) that hold up to 1990, gas k = 1..8.
inline constexpr float HALOC90[9] = {0.0f, 69.7f, 3.6f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 3.2f};

// Writes CO2(i), CH4(i), N2O(i), SO2(i) and SO2(i+1) and the eight
// halocarbon concentrations of year index i.
void HISTCONC(OrvState& s, int i);

}  // namespace orv
