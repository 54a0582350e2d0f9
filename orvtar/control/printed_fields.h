// Where a simulation's series are printed, and in which fixed-width field:
// the display files and the report's temperature and sea-level table of
// this run, read from their layouts. The result check holds every series
// to these fields, so that no file is written with a field of asterisks.
#pragma once

#include <string_view>
#include <vector>

#include "orvtar/control/results.h"
#include "orvtar/physics/state.h"

namespace orv {

// What a printed value is counted from.
enum class Baseline { None, ReferenceYear, Year1990 };

struct PrintedField {
  std::string_view file;    // "temps.dis", "ORV.OUT"
  std::string_view column;  // "TEMMID"; empty for the report's table
  int width = 0;            // Fw.d
  int decimals = 0;
  Baseline baseline = Baseline::None;
  int first_year = 0;  // printed from this year every `step` years
  int step = 1;

  bool prints(int year) const { return year >= first_year && (year - first_year) % step == 0; }
};

// Every field in which series `o` is printed in a run with the settings of
// `run` (the report's table in its ITEMPTAB layout).
std::vector<PrintedField> printed_fields(Output o, const OrvState& run);

}  // namespace orv
