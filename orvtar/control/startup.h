// Start-up of a climate model run: everything that happens before the
// report head is written.
#pragma once

#include "orvtar/physics/state.h"
#include "records/record_io.h"

namespace orv {

// In the working directory: reads co2hist.IN; creates the report ORV.OUT
// into `report` (kept open for the rest of the run); reads the five
// configuration files with their derived steps and rejects unusable
// settings; applies R1, reads QHALOS.IN and applies R2 to R9 (reset lines
// go to the report); reads co2input.dat and qextra.in when switched on and
// GAS.EMK with its annual series. Failures throw rec::Error.
void startup(OrvState& s, rec::Unit& report);

}  // namespace orv
