#include "tools/synth_files.h"

#include <cmath>

#include "engines/common/catalogue.h"
#include "engines/common/config_writer.h"
#include "records/record_io.h"

namespace synth {

namespace {

double gauss(double x, double width) { return std::exp(-(x / width) * (x / width)); }

double round4(double v) { return std::round(v * 1.0e4) / 1.0e4; }

// Global-mean warming from greenhouse gases since 1961, degC, for the
// DEFAULT parameter set: the reference scenario accelerates to about 3.2
// degC by 2100 and levels off afterwards; the policy scenario follows it to
// 2010 and then bends towards stabilisation.
double ghg_warming(int year, int iscen) {
  double x = year - 1961;
  auto ref = [](double t) { return 0.008 * t + 0.000108 * t * t; };
  auto slope = [](double t) { return 0.008 + 0.000216 * t; };
  auto bend = [&](double x0, double tau) {
    return ref(x0) + slope(x0) * tau * (1.0 - std::exp(-(x - x0) / tau));
  };
  if (iscen == 1) return x <= 139 ? ref(x) : bend(139, 80);
  return x <= 49 ? ref(x) : bend(49, 90);
}

// Cooling by the SO2 of the three regions, degC: Europe peaked around
// 1980, Asia peaks later (earlier under the policy scenario), the rest of
// the world declines slowly.
std::array<double, 3> aerosol_warming(int year, int iscen) {
  double y = year;
  if (iscen == 1)
    return {-0.12 * gauss(y - 1980, 45), -0.28 * gauss(y - 2025, 45), -0.10 * gauss(y - 1990, 70)};
  return {-0.12 * gauss(y - 1980, 35), -0.22 * gauss(y - 2010, 30), -0.10 * gauss(y - 1985, 45)};
}

}  // namespace

std::array<std::string, 3> aerosol_headers(const std::string& what) {
  static const char* const region[3] = {"EUROPE", "ASIA", "REST OF WORLD"};
  std::array<std::string, 3> h;
  for (int b = 0; b < 3; ++b) h[b] = std::string("SYNTHETIC SO4 RESPONSE PATTERN: ") + region[b] + " " + what;
  return h;
}

void write_mask_file(const std::string& path, const std::string& name,
                     const std::array<int, NBOX>& weights) {
  rec::Unit u(path, rec::Status::Unknown);
  std::string name8 = name;
  name8.resize(8, ' ');  // the name fills the field from its first column
  u.write("(A8)", {name8});
  u.write("(72I1)", {weights});
}

std::vector<WeightsRow> warming_series(int ipset, int iscen) {
  // The USER parameter set stands for a more sensitive climate model.
  double sens = ipset == 1 ? 1.0 : 1.25;
  std::vector<WeightsRow> rows;
  for (int year = 1961; year <= 2200; ++year) {
    auto aer = aerosol_warming(year, iscen);
    WeightsRow w;
    w.year = year;
    w.ghg = round4(sens * ghg_warming(year, iscen));
    w.eur = round4(sens * aer[0]);
    w.asia = round4(sens * aer[1]);
    w.row = round4(sens * aer[2]);
    w.glob = round4(w.ghg + w.eur + w.asia + w.row);
    rows.push_back(w);
  }
  return rows;
}

void write_weights_file(const std::string& path, int ipset, int iscen) {
  std::vector<WeightsRow> rows = warming_series(ipset, iscen);
  // Mean total warming of 1981-2000, the reference printed in the header.
  double reft = 0;
  for (const WeightsRow& w : rows)
    if (w.year >= 1981 && w.year <= 2000) reft += w.glob / 20.0;
  std::string set(eng::PSETNAME[ipset]), scen(eng::SCENNAME[iscen]);
  rec::Unit u(path, rec::Status::Unknown);
  u.write("(1X,'PROFILE: ',A20)", {"SYNTHETIC WARMING   "});
  u.write("(/,1X,A7,' CLIMATE MODEL PARAMETERS, ',A7,' SCENARIO (SYNTHETIC DATA)')", {set, scen});
  u.write("(/,2X,'YEAR       GHG     ESO21     ESO22     ESO23','       SUM')");
  u.write("(1X,'REF T',40X,F10.4)", {reft});
  for (const WeightsRow& w : rows)
    u.write("(1X,I5,5F10.4)", {w.year, w.ghg, w.eur, w.asia, w.row, w.glob});
}

void write_demo_configs(const std::string& dir, int ivar, int iseas) {
  eng::EngineConfig c;
  c.THRESH = ivar == 1 ? 1.0 : 2.0;
  c.OBSSET = std::string("NEW");
  c.XLAT1 = -90.0;
  c.XLAT2 = 90.0;
  c.XLON1 = -180.0;
  c.XLON2 = 180.0;
  c.MASKID = std::string("L");
  c.IVAR = ivar;
  c.ISEAS = iseas;
  c.ISCALE = 1;
  c.IPSET = 1;
  c.ISCEN = 1;
  c.ISULF = 1;
  c.IYEAR = 2050;
  c.NMODS = eng::NCATALOGUE;
  c.IDEF = 1;
  for (int m = 1; m <= eng::NCATALOGUE; ++m) c.IMOD[m] = m;
  eng::write_extra_cfg(dir + "/EXTRA.CFG", c, "EXTRA.CFG of the synthetic demo run (tesseragen)");
  eng::write_shell_cfg(dir + "/SHELL.CFG", c,
                       "SHELL.CFG of the synthetic demo run (tesseragen): whole globe, 17 models");
}

void write_readme(const std::string& path, const std::vector<std::string>& lines) {
  rec::Unit u(path, rec::Status::Unknown);
  for (const std::string& line : lines) u.write("(A)", {line});
}

}  // namespace synth
