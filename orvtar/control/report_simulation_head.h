// The head of one simulation in the report: simulation number, climate
// sensitivity, SO2 case, upwelling and ocean parameters, feedback case.
#pragma once

#include "orvtar/physics/state.h"
#include "records/record_io.h"

namespace orv {

// Written after the simulation's climate set-up, before its time loop.
void write_simulation_head(rec::Unit& out, const OrvState& s);

}  // namespace orv
