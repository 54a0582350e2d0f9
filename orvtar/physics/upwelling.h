// The upwelling rate of each hemisphere after a sub-step: constant,
// weakening with warming, or shut down for good below a threshold.
#pragma once

#include "orvtar/physics/state.h"

namespace orv {

// The lowest upwelling rate a weakening circulation keeps, m/yr.
inline constexpr float WMIN = 0.1f;

// Sets W(h) and DW(h) from the current surface temperatures by IVARW:
// 0 constant W0; 1 variable (floored at WMIN); 2 variable with the
// permanent-shutdown latches ISHUTN, ISHUTS; any other value leaves them.
void updateUpwelling(OrvState& s);

}  // namespace orv
