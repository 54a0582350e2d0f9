// The whole climate model run in the working directory: start-up, the
// simulations with their report sections, and the display and drive
// files.
#pragma once

#include "orvtar/physics/state.h"

namespace orv {

// Runs the model as configured by the files of the working directory.
// Failures throw rec::Error (input) or std::exception; whatever was written
// before stays in the files.
void run(OrvState& s);

}  // namespace orv
