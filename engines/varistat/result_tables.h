// The six result fields as titled grid tables and TESSERA dumps.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engines/varistat/outputs.h"
#include "engines/varistat/state.h"

namespace vs {

// `OUTFLD`: the result fields in report order, numbered 1 … 6.
enum Outfld { OF_DELMEAN = 1, OF_BASESD, OF_DELSD, OF_BARSNR, OF_SNRBAR, OF_IMSNR };
inline constexpr int NOUTFLD = 6;

// The fields of OUTFLD(1 … 6) in the state, indexed from 1.
std::array<const Field*, NOUTFLD + 1> outfld(const VsState& s);

// The six 7-character labels, cut from one 42-character text; indexed from 1.
std::array<std::string, NOUTFLD + 1> outfld_labels();

// The title record of a result field (by IVAR for DELMEAN and BASESD).
void write_title(rec::Unit& out, int field, int IVAR);

// The record formats of the values (the result check reads their fields):
// a table row (latitude, the 72 values) and a dump record.
inline constexpr std::string_view TABLE_ROW = "(1X,F6.1,'   ',72F7.2)";
inline constexpr std::string_view DUMP_VALUES = "(17F8.3)";

// A grid table: longitude line, the 36 rows north to south (latitude and 72
// values), longitude line again. No latitude column on the right.
void write_grid_table(rec::Unit& out, const Field& F);

// A TESSERA dump: a record of two blanks and the 2592 values, 17 per record.
void write_dump(rec::Unit& out, const Field& F);

// Read back the table of a single-field file written by write_grid_table,
// and a dump written by write_dump (for the results front end, results/).
// A value of asterisks reads as NaN.
void read_grid_table(const std::string& path, Field& F);
void read_dump(const std::string& path, Field& F);

// The tables of every result field into "SDOUT/SDFIELDS.OUT", then each
// single-field file and dump in turn; when no model was selected those nine
// show MISSFLD under the same titles.
void write_result_tables(VsOutputs& out, const VsState& s);

}  // namespace vs
