// The two printed forms of a grid field: the gridded "degN/degE" table of
// the reports and the TESSERA dump for the front-end shell.
#pragma once

#include "engines/crossmod/state.h"
#include "records/record_io.h"

namespace xm {

// Longitude line, the 36 rows north to south (centre latitude, the 72 values
// under F7.2, the latitude again), longitude line again.
void write_table(rec::Unit& out, const Field& F);

// The same with three decimals (probabilities).
void write_prob_table(rec::Unit& out, const Field& F);

// The same with integer counts.
void write_count_table(rec::Unit& out, const CountField& F);

// A record of one blank, then the 2592 values in row order, 17 per record
// (152 records of 17 and one of 8).
void write_dump(rec::Unit& out, const Field& F);

}  // namespace xm
