#include "frontend/summary.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <ostream>
#include <sstream>

#include "engines/common/catalogue.h"
#include "frontend/scenario_notes.h"
#include "frontend/warming_periods.h"

namespace fe {

std::optional<std::vector<double>> display_row(const std::string& path, int year) {
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream is(line);
    double first = 0;
    if (!(is >> first) || first != year) continue;
    std::vector<double> row{first};
    double v = 0;
    while (is >> v) row.push_back(v);
    return row;
  }
  return std::nullopt;
}

std::optional<double> labelled_value(const std::string& path, const std::string& label) {
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    auto at = line.find(label);
    if (at == std::string::npos) continue;
    auto eq = line.find('=', at);
    if (eq == std::string::npos) continue;
    std::istringstream is(line.substr(eq + 1));
    double v = 0;
    if (is >> v) return v;
  }
  return std::nullopt;
}

namespace {

std::string cell(std::optional<double> v, const char* fmt) {
  if (!v || !std::isfinite(*v)) return "     n/a";
  char buf[32];
  std::snprintf(buf, sizeof buf, fmt, *v);
  return buf;
}

void global_rows(const RunSettings& rs, const ScenarioResult& s, std::ostream& out) {
  int year = rs.engines.IYEAR;
  // temps.dis and sealev.dis columns: YEAR, USER, LO, MID, HI.
  auto t = display_row(s.orvtar_dir + "/temps.dis", year);
  auto m = display_row(s.orvtar_dir + "/sealev.dis", year);
  auto col = [](const std::optional<std::vector<double>>& r, std::size_t k) -> std::optional<double> {
    if (!r || r->size() <= k) return std::nullopt;
    return (*r)[k];
  };
  char name[24];
  std::snprintf(name, sizeof name, "  %-14s", s.label.c_str());
  out << name << "warming (degC)                 " << cell(col(t, 2), "%8.2f") << cell(col(t, 3), "%8.2f")
      << cell(col(t, 4), "%8.2f") << cell(col(t, 1), "%8.2f") << "\n";
  auto series = read_temps_dis(s.orvtar_dir + "/temps.dis");
  for (YearSpan base : {kPreindustrial, kRecentPast}) {
    char label[48];
    std::snprintf(label, sizeof label, "                %-31s", (period_label(base, kLateCentury) + " (degC)").c_str());
    out << label;
    for (ParameterSet p : kParameterSets) out << cell(period_warming(series, base, kLateCentury, p), "%8.2f");
    out << "\n";
  }
  out << "                sea level (cm)                 " << cell(col(m, 2), "%8.1f") << cell(col(m, 3), "%8.1f")
      << cell(col(m, 4), "%8.1f") << cell(col(m, 1), "%8.1f") << "\n";
}

void regional_rows(const RunSettings& rs, const ScenarioResult& s, std::ostream& out) {
  std::string f = s.engine_dir + "/IMOUT/AREAAVES.OUT";
  const char* unit = rs.engines.IVAR == 1 ? "degC" : "%";
  char name[24];
  std::snprintf(name, sizeof name, "  %-14s", s.label.c_str());
  out << name << "GHG and aerosol " << cell(labelled_value(f, "GHG AND AEROSOL  : AREA AVERAGE"), "%8.3f")
      << " " << unit << "   GHG only " << cell(labelled_value(f, "GHG ONLY         : AREA AVERAGE"), "%8.3f")
      << " " << unit << "   aerosol only "
      << cell(labelled_value(f, "AEROSOL ONLY     : AREA AVERAGE"), "%8.3f") << " " << unit << "\n";
  out << "                inter-model S.D. "
      << cell(labelled_value(f, "INTER-MOD S.D.   : AREA AVERAGE"), "%8.3f") << " " << unit
      << " per degC   probability of increase "
      << cell(labelled_value(f, "PROB OF INCREASE : AREA AVERAGE"), "%6.3f") << "\n";
}

}  // namespace

void print_summary(const RunSettings& rs, const ScenarioResult& ref, const ScenarioResult& pol,
                   const DataTree& tree, std::ostream& out) {
  const EngineSettings& e = rs.engines;
  out << "\nGlobal-mean change from " << rs.IREFYR << " to " << e.IYEAR << " (and "
      << kLateCentury.first << "-" << kLateCentury.last << " against the IPCC AR6 base periods):\n"
      << "                                                    LOW     MID    HIGH    USER\n";
  global_rows(rs, ref, out);
  global_rows(rs, pol, out);
  if (std::string gap = period_gap_note(rs.IYEND, std::stoi(rs.orvtar.at("IDISSTEP"))); !gap.empty())
    out << "(" << gap << ")\n";
  out << "\n" << es1990_lines(rs.reference, rs.policy);
  if (std::string mixed = mixed_history_note(rs.reference, rs.policy); !mixed.empty())
    out << "NOTE: " << mixed << "\n";
  out << "\nRegional change in " << e.IYEAR << ", " << (e.IVAR == 1 ? "temperature" : "precipitation")
      << " " << eng::SEASNAME[e.ISEAS] << ", area " << e.area_label << ", "
      << (e.IPSET == 1 ? "DEFAULT (MID)" : "USER") << " parameter set, " << e.IMOD.size()
      << " models (area averages):\n";
  regional_rows(rs, ref, out);
  regional_rows(rs, pol, out);
  out << "\n" << data_tree_lines(tree, e.IMOD);
}

}  // namespace fe
