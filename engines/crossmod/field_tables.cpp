#include "engines/crossmod/field_tables.h"

#include <cmath>
#include <span>
#include <string_view>

namespace xm {

namespace {

constexpr std::string_view LONGITUDES = "(1X,'degN/degE',72F7.1,'  : degN')";
constexpr std::string_view COUNT_ROW = "(1X,F6.1,'   ',72I7,F8.1)";
constexpr std::string_view DUMP_SEPARATOR = "(' ')";

std::span<const double> centre_longitudes() {
  return std::span<const double>(eng::grid_tables().XLON).subspan(1, eng::NLON);
}

template <class Row>
void write_rows(rec::Unit& out, std::string_view format, Row&& row) {
  const eng::GridTables& g = eng::grid_tables();
  out.write(LONGITUDES, {centre_longitudes()});
  for (int i = 1; i <= eng::NLAT; ++i) out.write(format, {g.XLAT[i], row(i), g.XLAT[i]});
  out.write(LONGITUDES, {centre_longitudes()});
}

// The rows of the first table of `path`, each read into row(i).
template <class Row>
void read_rows(const std::string& path, std::string_view format, Row&& row) {
  const eng::GridTables& g = eng::grid_tables();
  rec::Unit in(path, rec::Status::Old);
  in.accept_overflow(true);
  in.skip_past(LONGITUDES, {centre_longitudes()});
  for (int i = 1; i <= eng::NLAT; ++i) {
    double lat = 0, lat_again = 0;
    in.read(format, {lat, row(i), lat_again});
    if (std::abs(lat - g.XLAT[i]) > 0.05 || std::abs(lat_again - g.XLAT[i]) > 0.05)
      rec::fail(path, in.records(), "expected the row of latitude " + std::to_string(g.XLAT[i]) + " of the grid");
  }
}

}  // namespace

void write_table(rec::Unit& out, const Field& F) {
  write_rows(out, TABLE_ROW, [&](int i) { return F.row(i); });
}

void write_prob_table(rec::Unit& out, const Field& F) {
  write_rows(out, PROB_TABLE_ROW, [&](int i) { return F.row(i); });
}

void write_count_table(rec::Unit& out, const CountField& F) {
  write_rows(out, COUNT_ROW, [&](int i) { return F.row(i); });
}

void write_dump(rec::Unit& out, const Field& F) {
  out.write(DUMP_SEPARATOR);
  out.write(DUMP_VALUES, {F.v});
}

void read_table(const std::string& path, Field& F) {
  read_rows(path, TABLE_ROW, [&](int i) { return F.row(i); });
}

void read_count_table(const std::string& path, CountField& F) {
  read_rows(path, COUNT_ROW, [&](int i) { return F.row(i); });
}

void read_dump(const std::string& path, Field& F) {
  rec::Unit in(path, rec::Status::Old);
  in.accept_overflow(true);
  in.skip_past(DUMP_SEPARATOR);
  in.read(DUMP_VALUES, {F.v});
}

}  // namespace xm
