// The whole climate model run in the working directory: start-up, the
// simulations with their report sections, and the display and drive
// files.
#pragma once

#include "orvtar/physics/state.h"

namespace orv {

// The steps between start-up and the first simulation: the first climate
// set-up with the LOW parameter set, which runs the gas cycles of 1765 for
// every simulation, then the one-year SO2 extension and the extended CO
// emissions.
void prepare_run(OrvState& s);

// The steps of simulation NSIM before its time loop: its SO2 case and
// parameter set, the SO2 series of the case, DT2X, the land and ocean
// feedback parameters when they differ, XLAM, and the climate set-up.
void set_up_simulation(OrvState& s);

// After simulation 1: keeps its aerosol forcing for the forcing tables of
// every simulation.
void keep_first_aerosol(OrvState& s);

// Runs the model as configured by the files of the working directory.
// Failures throw rec::Error (input) or std::exception; whatever was written
// before stays in the files.
void run(OrvState& s);

}  // namespace orv
