// The concentration table of a simulation (CO2, CH4, N2O of the user
// case, CH4 and CO2 of the LOW, MID and HIGH cases, CH4 lifetime); its
// mid-year rows are also the rows of concs.dis.
#pragma once

#include "orvtar/physics/state.h"
#include "records/record_io.h"

namespace orv {

// Mid-year concentrations of year index i. Before 1990 the ranges are the
// user values; up to 2000 the CO2 range and before 2000 the CH4 range are
// the user value; with IQKYOTO = 1 the CO2 range carries each case's 2000
// correction. TAUCH4 is the selected case's lifetime up to 2000.
struct ConcentrationRow {
  float CO2, CH4, N2O;
  float CH4LO, CH4MID, CH4HI;
  float CO2LO, CO2MID, CO2HI;
  float TAUCH4;
};
ConcentrationRow concentration_row(const OrvState& s, int i);

// Sets element 0 of CO2, CH4 and N2O (the year before 1765) so that the
// mid-year value of 1765 is defined; done at the end of each simulation.
void set_concentrations_before_1765(OrvState& s);

// Needs the concentrations of the year before 1765 set.
void write_concentration_table(rec::Unit& out, const OrvState& s);

}  // namespace orv
