#include "engines/common/field_files.h"

#include <cmath>
#include <cstdio>

#include "engines/common/file_names.h"

namespace eng {

Decode observed_decode(const EngineConfig& c) {
  if (c.IVAR == 2) return Decode::ObsPrecip;
  return c.OBSSET == "OLD" ? Decode::ObsTempOld : Decode::ObsTempNew;
}

double decode(int v, Decode rule) {
  switch (rule) {
    case Decode::Change:
      if (v > 100000) v = -9999;
      return v / 100.0;
    case Decode::BaselineSD:
      if (v > 100000) v = -9999;
      if (v == 0) return 0.5 / 100.0;
      return v / 100.0;
    case Decode::ObsPrecip:
      return v / 100.0;
    case Decode::ObsTempOld:
      if (v < -9990) return MISSING;
      return v / 10.0;
    case Decode::ObsTempNew:
      return v / 100.0;
  }
  return MISSING;
}

void read_field(const std::string& name, Decode rule, Field& F) {
  rec::Unit file(opened_name(name), rec::Status::Old);
  std::string identifier;
  file.read("(A5)", {identifier});
  std::array<int, NGRID> v;
  file.read("(16I6)", {v});
  for (int m = 0; m < NGRID; ++m) F.v[m] = decode(v[m], rule);
}

void read_aerosol_patterns(const std::string& name, Field& P1, Field& P2, Field& P3) {
  rec::Unit file(opened_name(name), rec::Status::Old);
  std::array<int, NGRID> v;
  for (Field* P : {&P1, &P2, &P3}) {
    file.skip();
    file.read("(16I7)", {v});
    for (int m = 0; m < NGRID; ++m) P->v[m] = v[m] / 100.0;
  }
}

MaskFile read_mask_file(const std::string& path) {
  rec::Unit file(path, rec::Status::Old);
  MaskFile mask;
  mask.MASKNAME.clear();
  file.read("(A8)", {mask.MASKNAME});
  file.read("(72I1)", {mask.MASK.v});
  return mask;
}

MaskFile read_mask(const EngineConfig& c, rec::Unit& log) {
  const std::string name = mask_file_name(c);
  log.write("(/,1X,'*** MASK FILE OPENED, PLUS NAME OF REGION ***')");
  log.write("(1X,A6)", {name});
  MaskFile mask = read_mask_file(name);
  log.write("(A8)", {mask.MASKNAME});
  return mask;
}

namespace {

// Refuses a record of the weights file whose weights are not warmings a
// climate can have; a huge weight would overflow the scaled fields.
void check_weights(const std::string& name, long record, const Weights& w) {
  struct Column {
    const char* item;
    const char* columns;
    double value;
  };
  const Column columns[] = {{"GHGWT", "7-16", w.GHGWT},
                            {"EURWT", "17-26", w.EURWT},
                            {"ASIAWT", "27-36", w.ASIAWT},
                            {"ROWWT", "37-46", w.ROWWT},
                            {"GLOBWT", "47-56", w.GLOBWT}};
  for (const Column& col : columns) {
    if (std::isfinite(col.value) && std::abs(col.value) <= WARMING_LIMIT) continue;
    char text[200];
    std::snprintf(text, sizeof text,
                  "columns %s: %s = %g is not accepted; expected a warming from %g to %g degC (a global-mean "
                  "warming of 100 degC or more is not a climate)",
                  col.columns, col.item, col.value, -WARMING_LIMIT, WARMING_LIMIT);
    rec::fail(name, record, text);
  }
}

}  // namespace

Weights read_weights(const EngineConfig& c, rec::Unit& log) {
  const std::string name = weights_file_name(c);
  log.write("(/,1X,'*** TSU (PATTERN WEIGHTS) FILE READ ***')");
  log.write("(1X,A6)", {name});
  rec::Unit file(name, rec::Status::Old);
  for (int k = 1; k <= 6; ++k) file.skip();
  Weights w;
  do {
    if (!file.read_unless_eof("(1X,I5,5F10.0)",
                              {w.YEAR, w.GHGWT, w.EURWT, w.ASIAWT, w.ROWWT, w.GLOBWT}))
      rec::fail(name, file.records() + 1,
                "end of file before a record for the year " + std::to_string(c.IYEAR) +
                    " or later (IYEAR of SHELL.CFG)");
    check_weights(name, file.records(), w);
  } while (w.YEAR < c.IYEAR);
  log.write("(/,1X,'*** SELECTED YEAR AND WEIGHT FACTORS ***')");
  log.write("(1X,' YEAR  GHG-WT  EUR-WT ASIA-WT  ROW-WT  GLOBAL')");
  log.write("(1X,I5,5F8.3)", {w.YEAR, w.GHGWT, w.EURWT, w.ASIAWT, w.ROWWT, w.GLOBWT});
  return w;
}

}  // namespace eng
