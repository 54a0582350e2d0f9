// The temperature and sea-level table of a simulation, in one of five
// column layouts (ITEMPTAB 1 to 5).
#pragma once

#include "orvtar/physics/state.h"
#include "records/record_io.h"

namespace orv {

// The earliest year from 1765 on that lies a whole number of IPRTSTEP
// steps before 1990.
int table_base(int iprtstep);

// Whether the table prints a row for `year`: from IPRTYR1 on, the year
// IPRTYR1 itself, 1990, and the years whose distance from `base` is within
// a fraction 0.02 above a whole positive number of steps.
bool table_year_printed(int year, int iprtyr1, int iprtstep, int base);

// Title lines, the parameter set, the column header, the 1765-1990 line,
// the selected year rows (changes from IREFYR) and the header again.
void write_temperature_table(rec::Unit& out, const OrvState& s);

}  // namespace orv
