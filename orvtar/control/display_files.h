// The display files for the front-end shell: concs.dis, forcings.dis,
// temps.dis, sealev.dis and emiss.dis. Each is created anew in the working
// directory, written in one go and closed; each starts with its column
// header and ends with the header repeated. Rows are every IDISSTEP years.
#pragma once

#include "orvtar/physics/state.h"

namespace orv {

// Mid-year concentrations of the user case and the three reference cases,
// 1765 to the last year.
void write_concs_dis(const OrvState& s);

// Gas-by-gas forcing changes from 1990, 1990 to the last year.
void write_forcings_dis(const OrvState& s);

// Global temperature change from IREFYR of the four parameter sets and of
// the MID set with SO2 constant after 1990.
void write_temps_dis(const OrvState& s);

// Total sea-level change from IREFYR of the four parameter sets.
void write_sealev_dis(const OrvState& s);

// Emissions used from 1990 on.
void write_emiss_dis(const OrvState& s);

}  // namespace orv
