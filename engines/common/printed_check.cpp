#include "engines/common/printed_check.h"

#include <cmath>
#include <cstdio>

#include "engines/common/grid.h"
#include "records/field_text.h"
#include "records/record_io.h"

namespace eng {

RealField real_field(std::string_view format, std::size_t n) {
  const std::vector<RealField> fields = rec::real_fields(format);
  if (n >= fields.size()) throw rec::Error("format " + std::string(format) + " has no real field " + std::to_string(n));
  return fields[n];
}

bool prints(double v, RealField f) { return v == MISSING || rec::fits_real(v, f.width, f.decimals); }

std::string misfit_text(double v, RealField f) {
  if (std::isnan(v)) return "is not a number";
  if (std::isinf(v)) return "is infinite";
  return "would be printed as " + number_text(v) + ", which does not fit its field F" + std::to_string(f.width) + "." +
         std::to_string(f.decimals);
}

std::string number_text(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", v);
  return buf;
}

std::string box_text(int m) {
  const GridTables& g = grid_tables();
  const int i = m / NLON + 1, j = m % NLON + 1;
  return "row " + std::to_string(i) + " (latitude " + number_text(g.XLAT[i]) + "), column " + std::to_string(j) +
         " (longitude " + number_text(g.XLON[j]) + ")";
}

}  // namespace eng
