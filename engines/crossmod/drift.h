// The model-mean drift of definition mode 3: how far each model's
// definition-1 pattern lies from its definition-2 pattern.
#pragma once

#include "engines/crossmod/state.h"

namespace xm {

// DRIFT at every box: the mean over the models k = 1 … NMODIN with both
// X(k) (definition 1) and X(NMODIN+k) (definition 2) valid of X1 - X2
// (temperature) or (X1 - X2) / (1 + X2/100) (precipitation); MISSING where
// no model has both.
void model_mean_drift(XmState& s);

}  // namespace xm
