#include "engines/varistat/result_tables.h"

#include <cmath>
#include <span>
#include <string_view>

namespace vs {

std::array<const Field*, NOUTFLD + 1> outfld(const VsState& s) {
  return {nullptr, &s.DELMEAN, &s.BASESD, &s.DELSD, &s.BARSNR, &s.SNRBAR, &s.IMSNR};
}

std::array<std::string, NOUTFLD + 1> outfld_labels() {
  constexpr std::string_view LABELS = "DELMEANBASE-SD  DELSDBAR-SNR SNRBARI-M SNR";
  std::array<std::string, NOUTFLD + 1> label;
  for (int a = 1; a <= NOUTFLD; ++a) label[a] = std::string(LABELS.substr(7 * (a - 1), 7));
  return label;
}

void write_title(rec::Unit& out, int field, int IVAR) {
  switch (field) {
    case OF_DELMEAN:
      if (IVAR == 1)
        out.write("(/,1X,'*** MODEL-AVERAGE OF CHANGES IN MEAN STATE',', NOT NORMALIZED (degC) ***')");
      else if (IVAR == 2)
        out.write("(/,1X,'*** MODEL-AVERAGE OF CHANGES IN MEAN STATE',', NOT NORMALIZED (%) ***')");
      break;
    case OF_BASESD:
      if (IVAR == 1)
        out.write("(/,1X,'*** MODEL-AVERAGE OF BASELINE STANDARD DEVIATIONS',' (degC) ***')");
      else if (IVAR == 2)
        out.write("(/,1X,'*** MODEL-AVERAGE OF BASELINE STANDARD DEVIATIONS',' (mm/day) ***')");
      break;
    case OF_DELSD:
      out.write("(/,1X,'*** MODEL-AVERAGE OF PERCENTAGE CHANGES IN S.D.',' (% : -VE FOR DECLINE) ***')");
      break;
    case OF_BARSNR:
      out.write("(/,1X,'*** MODEL-AVERAGE OF SNRS : AVERAGE OF',' (CHANGE/BASELINE S.D.) - DIMENSIONLESS - ***')");
      break;
    case OF_SNRBAR:
      out.write("(/,1X,'*** SNR OF MODEL AVERAGE : (AVERAGE OF CHANGES)/','(AVERAGE OF BASELINE S.D.S) - DIMENSIONLESS - ***')");
      break;
    case OF_IMSNR:
      out.write("(/,1X,'*** INTER-MODEL SNRS : (AVE OF NORMALIZED CHANGES)/','(INTER-MOD S.D.) - DIMENSIONLESS - ***')");
      break;
  }
}

namespace {

constexpr std::string_view LONGITUDES = "(1X,'degN/degE',72F7.1)";
constexpr std::string_view DUMP_SEPARATOR = "(1X,' ')";

std::span<const double> centre_longitudes() {
  return std::span<const double>(eng::grid_tables().XLON).subspan(1, eng::NLON);
}

}  // namespace

void write_grid_table(rec::Unit& out, const Field& F) {
  const eng::GridTables& g = eng::grid_tables();
  out.write(LONGITUDES, {centre_longitudes()});
  for (int i = 1; i <= eng::NLAT; ++i) out.write(TABLE_ROW, {g.XLAT[i], F.row(i)});
  out.write(LONGITUDES, {centre_longitudes()});
}

void write_dump(rec::Unit& out, const Field& F) {
  out.write(DUMP_SEPARATOR);
  out.write(DUMP_VALUES, {F.v});
}

void read_grid_table(const std::string& path, Field& F) {
  const eng::GridTables& g = eng::grid_tables();
  rec::Unit in(path, rec::Status::Old);
  in.accept_overflow(true);
  in.skip_past(LONGITUDES, {centre_longitudes()});
  for (int i = 1; i <= eng::NLAT; ++i) {
    double lat = 0;
    in.read(TABLE_ROW, {lat, F.row(i)});
    if (std::abs(lat - g.XLAT[i]) > 0.05)
      rec::fail(path, in.records(), "expected the row of latitude " + std::to_string(g.XLAT[i]) + " of the grid");
  }
}

void read_dump(const std::string& path, Field& F) {
  rec::Unit in(path, rec::Status::Old);
  in.accept_overflow(true);
  in.skip_past(DUMP_SEPARATOR);
  in.read(DUMP_VALUES, {F.v});
}

namespace {

void write_titled_table(rec::Unit& out, int field, int IVAR, const Field& F) {
  write_title(out, field, IVAR);
  write_grid_table(out, F);
}

void write_titled_dump(rec::Unit& out, int field, int IVAR, const Field& F) {
  write_title(out, field, IVAR);
  write_dump(out, F);
}

}  // namespace

void write_result_tables(VsOutputs& out, const VsState& s) {
  const int IVAR = s.cfg.IVAR;
  const auto field = outfld(s);
  for (int a = 1; a <= NOUTFLD; ++a) write_titled_table(out.SDFIELDS, a, IVAR, *field[a]);

  // Without a selected model the single-field files show nothing but the
  // missing value.
  auto shown = [&](int a) -> const Field& { return s.cfg.NOMODS == 1 ? s.MISSFLD : *field[a]; };
  write_titled_table(out.GHGDELTA, OF_DELMEAN, IVAR, shown(OF_DELMEAN));
  write_titled_table(out.BASESD, OF_BASESD, IVAR, shown(OF_BASESD));
  write_titled_dump(out.TBASESD, OF_BASESD, IVAR, shown(OF_BASESD));
  write_titled_table(out.DELTASD, OF_DELSD, IVAR, shown(OF_DELSD));
  write_titled_dump(out.TDELTASD, OF_DELSD, IVAR, shown(OF_DELSD));
  write_titled_table(out.BAROFSNR, OF_BARSNR, IVAR, shown(OF_BARSNR));
  write_titled_dump(out.TBAROFSNR, OF_BARSNR, IVAR, shown(OF_BARSNR));
  write_titled_table(out.SNROFBAR, OF_SNRBAR, IVAR, shown(OF_SNRBAR));
  write_titled_table(out.INTERSNR, OF_IMSNR, IVAR, shown(OF_IMSNR));
}

}  // namespace vs
