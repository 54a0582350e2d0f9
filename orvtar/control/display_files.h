// The display files for the front-end shell: concs.dis, forcings.dis,
// temps.dis, sealev.dis and emiss.dis. Each is created anew in the working
// directory, written in one go and closed; each starts with its column
// header and ends with the header repeated. Rows are every IDISSTEP years
// of the run configured in `run`.
#pragma once

#include "orvtar/control/result_stores.h"
#include "orvtar/control/results.h"
#include "orvtar/physics/state.h"

namespace orv {

// Mid-year concentrations of the user case and the three reference cases
// of simulation `r`, 1765 to the last year.
void write_concs_dis(const OrvState& run, const SimulationResult& r);

// Gas-by-gas forcing changes from 1990 of simulation `r`, 1990 to the last
// year.
void write_forcings_dis(const OrvState& run, const SimulationResult& r);

// Global temperature change from IREFYR of the four parameter sets and of
// the MID set with SO2 constant after 1990.
void write_temps_dis(const OrvState& run, const ResultStores& k);

// Total sea-level change from IREFYR of the four parameter sets.
void write_sealev_dis(const OrvState& run, const ResultStores& k);

// Emissions of simulation `r` from 1990 on.
void write_emiss_dis(const OrvState& run, const SimulationResult& r);

}  // namespace orv
