#include "engines/crossmod/field_tables.h"

#include <span>

namespace xm {

namespace {

std::span<const double> centre_longitudes() {
  return std::span<const double>(eng::grid_tables().XLON).subspan(1, eng::NLON);
}

}  // namespace

void write_table(rec::Unit& out, const Field& F) {
  const eng::GridTables& g = eng::grid_tables();
  out.write("(1X,'degN/degE',72F7.1,'  : degN')", {centre_longitudes()});
  for (int i = 1; i <= eng::NLAT; ++i)
    out.write("(1X,F6.1,'   ',72F7.2,F8.1)", {g.XLAT[i], F.row(i), g.XLAT[i]});
  out.write("(1X,'degN/degE',72F7.1,'  : degN')", {centre_longitudes()});
}

void write_prob_table(rec::Unit& out, const Field& F) {
  const eng::GridTables& g = eng::grid_tables();
  out.write("(1X,'degN/degE',72F7.1,'  : degN')", {centre_longitudes()});
  for (int i = 1; i <= eng::NLAT; ++i)
    out.write("(1X,F6.1,'   ',72F7.3,F8.1)", {g.XLAT[i], F.row(i), g.XLAT[i]});
  out.write("(1X,'degN/degE',72F7.1,'  : degN')", {centre_longitudes()});
}

void write_count_table(rec::Unit& out, const CountField& F) {
  const eng::GridTables& g = eng::grid_tables();
  out.write("(1X,'degN/degE',72F7.1,'  : degN')", {centre_longitudes()});
  for (int i = 1; i <= eng::NLAT; ++i)
    out.write("(1X,F6.1,'   ',72I7,F8.1)", {g.XLAT[i], F.row(i), g.XLAT[i]});
  out.write("(1X,'degN/degE',72F7.1,'  : degN')", {centre_longitudes()});
}

void write_dump(rec::Unit& out, const Field& F) {
  out.write("(' ')");
  out.write("(17F8.3)", {F.v});
}

}  // namespace xm
