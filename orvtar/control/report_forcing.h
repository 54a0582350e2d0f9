// The two gas-by-gas forcing tables of a simulation (changes from 1990 and
// from 1765); their rows are also the rows of forcings.dis.
#pragma once

#include "orvtar/physics/state.h"
#include "records/record_io.h"

namespace orv {

// Mid-year forcings of year index i, W/m**2, by column of the tables. The
// tropospheric ozone of 1990 is that year's own value; the kept sulphate
// aerosol series of simulation 1 count as zero up to 1860.
struct ForcingRow {
  float CO2, CH4tot, N2O, HALOtot, TROPOZ, SO4DIR, SO4IND, BIOAER, TOTAL, FOCFBC;
  float CH4O3, STRATO3, MONTDIR, QKYOTO;
};
ForcingRow forcing_row(const OrvState& s, int i);

// forcing_row(i) minus forcing_row of 1990, column by column.
ForcingRow forcing_change_from_1990(const OrvState& s, int i);

// One row under the tables' row format.
void write_forcing_row(rec::Unit& out, int year, const ForcingRow& r);

// The column header of the tables and of forcings.dis.
void write_forcing_header(rec::Unit& out);

// Changes from 1990 (1990 to IYEND), then values from 1765 (1770 to
// IYEND), both every IQSTEP years.
void write_forcing_tables(rec::Unit& out, const OrvState& s);

}  // namespace orv
