// The five configuration files of the climate model and the settings derived
// from them. Each reader opens its file as an existing file, reads it record
// by record in the fixed order of its layout, closes it and applies the
// derived steps that follow that file; check_config then rejects settings
// that the model cannot run with.
#pragma once

#include <string>

#include "orvtar/physics/state.h"
#include "records/record_io.h"

namespace orv {

// ORVUSER.CFG, 12 records; then U1 (last year at most 2504).
void read_orvuser(OrvState& s, const std::string& file = "ORVUSER.CFG");

// ORVGAS.CFG, 35 records; then G1 to G6. G6 writes its reset line to the
// report.
void read_orvgas(OrvState& s, rec::Unit& report, const std::string& file = "ORVGAS.CFG");

// ORVMOD.CFG, 15 records; M1 after the last record, then M2 to M5.
void read_orvmod(OrvState& s, const std::string& file = "ORVMOD.CFG");

// ORVRUN.CFG, 5 records.
void read_orvrun(OrvState& s, const std::string& file = "ORVRUN.CFG");

// ORVXTRA.CFG, 27 records; then X1.
void read_orvxtra(OrvState& s, const std::string& file = "ORVXTRA.CFG");

// The five files above in that order (G6's reset line goes to the report).
void read_config_files(OrvState& s, rec::Unit& report);

// Rejects, with rec::Error naming the file, the record and the accepted
// range, the settings of the five files that would make the model index
// past its series, divide by zero or never finish.
void check_config(const OrvState& s);

// After R9 has settled D80SIN: rejects a USER carbon cycle (LEVCO2 = 4)
// whose 1990 gross deforestation is not above zero, since the biomass
// aerosol forcing is divided by it.
void check_user_carbon_cycle(const OrvState& s);

// R1: the 1990 aerosol forcings of the LEVSO4 case and XKH.
void apply_r1(OrvState& s);

// R2 to R9: number of simulations, land/ocean case, IMETH, DT limit, CO2
// doubling forcing, ocean fractions, FK, and the D80SIN limits, whose reset
// lines go to the report.
void apply_r2_to_r9(OrvState& s, rec::Unit& report);

}  // namespace orv
