// Readers of the engines' input files: grid fields, aerosol response
// patterns, the mask file and the regional warming-weights file. Names passed
// in are the logged (standard-root) names; the readers open opened_name(name).
// A missing file or a short one ends the run with rec::Error.
#pragma once

#include <array>
#include <string>

#include "engines/common/config.h"
#include "engines/common/grid.h"
#include "records/record_io.h"

namespace eng {

// How the integers v of a grid-field file become values.
enum class Decode {
  Change,       // normalised changes and model baselines: v > 100000 -> -9999; v / 100
  BaselineSD,   // as Change, and v = 0 becomes 0.5 (a zero S.D. is stored as 0.005)
  ObsPrecip,    // observed precipitation: v / 100, no missing test
  ObsTempOld,   // observed temperature, OBSSET "OLD": v < -9990 -> MISSING; else v / 10
  ObsTempNew,   // observed temperature, OBSSET "NEW": v / 100
};

// The decoding rule of the observed baseline for the run's IVAR and OBSSET.
Decode observed_decode(const EngineConfig& c);

// One integer of a grid-field file under the rule.
double decode(int v, Decode rule);

// Reads a grid-field file: "(A5)" identifier (ignored), then 2592 integers
// under "(16I6)" in row order.
void read_field(const std::string& name, Decode rule, Field& F);

// Reads the aerosol response patterns: three blocks (Europe, Asia, rest of
// the world), each a skipped header record and 2592 integers under "(16I7)";
// value v / 100.
void read_aerosol_patterns(const std::string& name, Field& P1, Field& P2, Field& P3);

// The mask file's content.
struct MaskFile {
  std::string MASKNAME = std::string(8, ' ');  // eight blanks when no file was read
  Mask MASK;
};

// Reads a mask file: "(A8)" name, 36 records "(72I1)".
MaskFile read_mask_file(const std::string& path);

// Reads "MASK." + MASKID ("(A8)" name, 36 records "(72I1)"), logging to the
// run log `log`: "*** MASK FILE OPENED, PLUS NAME OF REGION ***", the file
// name, and after the read the mask name.
MaskFile read_mask(const EngineConfig& c, rec::Unit& log);

// One record of the regional warming-weights file.
struct Weights {
  int YEAR = 0;
  double GHGWT = 0.0;   // global-mean warming from greenhouse gases alone, degC
  double EURWT = 0.0;   // weights of the Europe, Asia and rest-of-world aerosol patterns
  double ASIAWT = 0.0;
  double ROWWT = 0.0;
  double GLOBWT = 0.0;  // total global-mean warming, degC
};

// The largest warming, in degC either way, that a weight may hold: a
// global-mean warming of 100 degC is no climate, and the run headers print
// the warming in F7.3, which holds -99.999 at the least.
inline constexpr double WARMING_LIMIT = 99.999;

// Reads the weights file "TSU." + letters: six records skipped, then records
// "(1X,I5,5F10.0)" until the first with YEAR >= IYEAR (the first record is
// always read). Logs the file heading and name, then the selected record
// under its heading, to `log`. A file without such a year, or a record read
// with a weight beyond WARMING_LIMIT, fails with a message naming the file
// and the record.
Weights read_weights(const EngineConfig& c, rec::Unit& log);

}  // namespace eng
