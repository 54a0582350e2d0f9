#include "engines/common/grid.h"

#include <cmath>

namespace eng {

namespace {

GridTables build_grid_tables() {
  GridTables g;
  const double factor = PI / 180.0;
  for (int i = 0; i <= NLAT + 1; ++i) {
    g.XLAT[i] = 92.5 - 5.0 * i;
    g.COSLAT[i] = std::cos(g.XLAT[i] * factor);
  }
  for (int j = 0; j <= NLON + 1; ++j) g.XLON[j] = -182.5 + 5.0 * j;
  return g;
}

}  // namespace

const GridTables& grid_tables() {
  static const GridTables tables = build_grid_tables();
  return tables;
}

}  // namespace eng
