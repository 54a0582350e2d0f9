#include "engines/common/area.h"

#include <cmath>

#include "engines/common/file_names.h"

namespace eng {

Area select_area(const EngineConfig& c, const MaskFile& mask) {
  const GridTables& g = grid_tables();
  Area a;
  for (int k = 0; k <= NLAT; ++k) {
    if (g.XLAT[k] > c.XLAT2 && c.XLAT2 > g.XLAT[k + 1]) a.first_row = k + 1;
    if (g.XLAT[k] > c.XLAT1 && c.XLAT1 > g.XLAT[k + 1]) a.last_row = k;
  }
  for (int k = 0; k <= NLON; ++k) {
    if (g.XLON[k] < c.XLON1 && c.XLON1 < g.XLON[k + 1]) a.first_col = k + 1;
    if (g.XLON[k] < c.XLON2 && c.XLON2 < g.XLON[k + 1]) a.last_col = k;
  }
  if (c.IMASK == 0) {
    // Only grid boxes are marked, whatever index a limit left at 0.
    for (int i = 1; i <= NLAT; ++i)
      for (int j = 1; j <= NLON; ++j)
        a.MASK(i, j) = (a.first_row <= i && i <= a.last_row && a.first_col <= j &&
                        j <= a.last_col) ? 1 : 0;
  } else {
    a.MASK = mask.MASK;
  }
  for (int m : a.MASK.v) a.NPTS += m;
  return a;
}

void write_area_description(rec::Unit& out, const EngineConfig& c, const Area& area,
                            const MaskFile& mask) {
  const GridTables& g = grid_tables();
  if (c.IMASK == 0) {
    out.write("(/,1X,'GRID BOX CENTRAL POINTS (5deg by 5deg GRID)')");
    out.write("(1X,'LATITUDE RANGE  =',F7.1,' TO',F6.1,' degreesN',' INCLUSIVE')",
              {g.XLAT[area.last_row], g.XLAT[area.first_row]});
    out.write("(1X,'LONGITUDE RANGE =',F7.1,' TO',F6.1,' degreesE',' INCLUSIVE')",
              {g.XLON[area.first_col], g.XLON[area.last_col]});
    out.write("(/,1X,'LATITUDE GRID RANGE ',I2,',',I2,' : LONGITUDE GRID RANGE ',I2,',',I2,' INCLUSIVE')",
              {area.first_row, area.last_row, area.first_col, area.last_col});
  } else {
    out.write("(/,1X,'AREA SPECIFIED BY MASK. MASKFILE = ',A6,' : MASKNAME =',A8)",
              {mask_file_name(c), mask.MASKNAME});
  }
}

void write_mask_map(rec::Unit& log, const MaskFile& mask, const Area& area) {
  log.write("(/,1X,'*** MASK MAP ***')");
  log.write("(A8)", {mask.MASKNAME});
  log.write("(72I1)", {area.MASK.v});
}

AreaMean area_average(const Field& F, const Mask& MASK, AreaRule rule) {
  const GridTables& g = grid_tables();
  double sw = 0.0, swf = 0.0, swf2 = 0.0;
  for (int i = 1; i <= NLAT; ++i) {
    for (int j = 1; j <= NLON; ++j) {
      const double f = F(i, j);
      if (!valid(f)) continue;
      const double w = MASK(i, j) * g.COSLAT[i];
      sw += w;
      swf += w * f;
      swf2 += w * f * f;
    }
  }
  bool enough = false;
  switch (rule) {
    case AreaRule::Case: enough = sw > static_cast<double>(1.0E-4f); break;
    case AreaRule::Baseline: enough = sw >= 0.1; break;
    case AreaRule::ModelMean: enough = sw >= 0.5; break;
  }
  AreaMean r;
  if (!enough) return r;
  r.mean = swf / sw;
  const double var = swf2 / sw - r.mean * r.mean;
  r.sd = std::sqrt(var < 0.0 ? 0.0 : var);
  return r;
}

}  // namespace eng
