// The 1880-1990 changes of a simulation: global, hemispheric, land and
// ocean temperature and the total sea level.
#pragma once

#include "orvtar/physics/state.h"
#include "records/record_io.h"

namespace orv {

void write_1880_1990_changes(rec::Unit& out, const OrvState& s);

}  // namespace orv
