// The input emissions table of a simulation: the annual emissions used
// from 1990 on, SO2 as changes from 1990.
#pragma once

#include "orvtar/physics/state.h"
#include "records/record_io.h"

namespace orv {

void write_emissions_table(rec::Unit& out, const OrvState& s);

}  // namespace orv
