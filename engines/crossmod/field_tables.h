// The two printed forms of a grid field: the gridded "degN/degE" table of
// the reports and the TESSERA dump for the front-end shell; each writer has
// its reader beside it, for the results front end (results/).
#pragma once

#include <string>
#include <string_view>

#include "engines/crossmod/state.h"
#include "records/record_io.h"

namespace xm {

// The record formats of the values (read by the result check for their
// fields): a table row (centre latitude, the 72 values, the latitude again),
// the same with three decimals, and a dump record.
inline constexpr std::string_view TABLE_ROW = "(1X,F6.1,'   ',72F7.2,F8.1)";
inline constexpr std::string_view PROB_TABLE_ROW = "(1X,F6.1,'   ',72F7.3,F8.1)";
inline constexpr std::string_view DUMP_VALUES = "(17F8.3)";

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

// Read back the first table of a file written by write_table (or
// write_count_table): the rows after its first longitude line, each row's
// latitude checked against the grid. A value of asterisks reads as NaN.
void read_table(const std::string& path, Field& F);
void read_count_table(const std::string& path, CountField& F);

// Read back a dump written by write_dump: the values after its blank
// record. A value of asterisks reads as NaN.
void read_dump(const std::string& path, Field& F);

}  // namespace xm
