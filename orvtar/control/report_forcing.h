// The two gas-by-gas forcing tables of a simulation (changes from 1990 and
// from 1765); their rows are also the rows of forcings.dis.
#pragma once

#include <string_view>

#include "orvtar/physics/state.h"
#include "records/record_io.h"

namespace orv {

// Mid-year forcings of year index i, W/m**2, by column of the tables. The
// tropospheric ozone of 1990 is that year's own value.
struct ForcingRow {
  float CO2, CH4tot, N2O, HALOtot, TROPOZ, SO4DIR, SO4IND, BIOAER, TOTAL, FOCFBC;
  float CH4O3, STRATO3, MONTDIR, QKYOTO;
};

// The sulphate aerosol forcing a row shows: total and direct series, which
// count as zero before `first_year`.
struct AerosolSeries {
  const float (&QAER)[NY];
  const float (&QAERDIR)[NY];
  int first_year;
};
// What the tables show: the series of simulation 1 (QAERKEEP, QAERDIRKEEP)
// from 1861 on.
AerosolSeries kept_aerosol(const OrvState& s);

ForcingRow forcing_row(const OrvState& s, int i, const AerosolSeries& aerosol);

// forcing_row(i) minus forcing_row of 1990, column by column.
ForcingRow forcing_change_from_1990(const OrvState& s, int i, const AerosolSeries& aerosol);

// The tables' column header and row format (the year, ten columns, the
// year again, four columns); forcings.dis has the same layout.
inline constexpr std::string_view FORCING_TABLE_HEADER =
    "(1X,'YEAR     CO2  CH4tot     N2O HALOtot','  TROPOZ  SO4DIR  SO4IND  BIOAER    TOTAL FOC+FBC','   YEAR  CH4-O3 STRATO3 MONTDIR  QKYOTO')";
inline constexpr std::string_view FORCING_TABLE_ROW = "(1X,I4,8F8.4,F9.5,F8.4,I7,4F8.4)";

// One row under the tables' row format.
void write_forcing_row(rec::Unit& out, int year, const ForcingRow& r);

// The column header of the tables and of forcings.dis.
void write_forcing_header(rec::Unit& out);

// Changes from 1990 (1990 to IYEND), then values from 1765 (1770 to
// IYEND), both every IQSTEP years.
void write_forcing_tables(rec::Unit& out, const OrvState& s);

}  // namespace orv
