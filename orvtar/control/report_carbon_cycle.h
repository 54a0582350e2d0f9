// The carbon-cycle table of a simulation: emissions, land-use fluxes,
// ocean uptake, biosphere pools and CO2 of the LEVCO2 carbon-cycle variant.
#pragma once

#include "orvtar/physics/state.h"
#include "records/record_io.h"

namespace orv {

// Airborne fraction: DEL-M / ETOTAL limited to -9.999 .. 9.999; with no
// emissions, 9.999 carrying the sign of DEL-M.
float airborne_fraction(float delm, float etotal);

void write_carbon_cycle_table(rec::Unit& out, const OrvState& s);

}  // namespace orv
