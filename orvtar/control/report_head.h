// The head of the report ORV.OUT: the run's choices, written once before
// the first simulation.
#pragma once

#include "orvtar/control/report_date.h"
#include "orvtar/physics/state.h"
#include "records/record_io.h"

namespace orv {

// Profile name and date, the CO2, CH4 and aerosol cases, the ozone and
// halocarbon choices, the climate model and the user ice melt.
void write_report_head(rec::Unit& out, const OrvState& s, const ReportDate& date);

// The rest of the head, after the first climate set-up: prescribed CO2,
// extra forcing, the CO2-doubling forcing, the 1990 aerosol forcings and
// the stratospheric water-vapour ratio.
void write_report_head_forcing(rec::Unit& out, const OrvState& s);

}  // namespace orv
