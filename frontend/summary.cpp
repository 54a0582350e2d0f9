#include "frontend/summary.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <ostream>

#include "engines/common/catalogue.h"
#include "frontend/scenario_notes.h"
#include "frontend/warming_periods.h"

namespace fe {

namespace {

using orv::ParameterSet;

// The summary's column order.
constexpr ParameterSet kColumns[] = {ParameterSet::Low, ParameterSet::Mid, ParameterSet::High, ParameterSet::User};

std::string cell(std::optional<double> v, const char* fmt) {
  if (!v || !std::isfinite(*v)) return "     n/a";
  char buf[32];
  std::snprintf(buf, sizeof buf, fmt, *v);
  return buf;
}

// A value of the engines, n/a where they printed MISSING.
std::optional<double> engine_value(double v) {
  return eng::valid(v) && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

void global_rows(const RunSettings& rs, const res::GlobalResults& g, std::ostream& out) {
  const int year = rs.engines.IYEAR;
  const auto value = [&](const char* variable, ParameterSet p) -> std::optional<double> {
    const res::Series* s = g.find(variable, p);
    return s ? s->at(year) : std::nullopt;
  };
  char name[24];
  std::snprintf(name, sizeof name, "  %-14s", g.scenario.c_str());
  out << name << "warming (degC)                 ";
  for (ParameterSet p : kColumns) out << cell(value("temperature", p), "%8.2f");
  out << "\n";
  for (YearSpan base : {kPreindustrial, kRecentPast}) {
    char label[48];
    std::snprintf(label, sizeof label, "                %-31s", (period_label(base, kLateCentury) + " (degC)").c_str());
    out << label;
    for (ParameterSet p : kColumns) {
      const res::Series* s = g.find("temperature", p);
      out << cell(s ? period_warming(*s, base, kLateCentury) : std::nullopt, "%8.2f");
    }
    out << "\n";
  }
  out << "                sea level (cm)                 ";
  for (ParameterSet p : kColumns) out << cell(value("sea_level", p), "%8.1f");
  out << "\n";
}

void regional_rows(const res::RegionalResults& r, std::ostream& out) {
  const xm::AreaAverages& a = r.averages;
  const char* unit = r.config.IVAR == 1 ? "degC" : "%";
  char name[24];
  std::snprintf(name, sizeof name, "  %-14s", r.scenario.c_str());
  out << name << "GHG and aerosol " << cell(engine_value(a.AVT), "%8.3f") << " " << unit << "   GHG only "
      << cell(engine_value(a.AVG2), "%8.3f") << " " << unit << "   aerosol only "
      << cell(engine_value(a.AERAVE), "%8.3f") << " " << unit << "\n";
  out << "                inter-model S.D. " << cell(engine_value(a.AVISD), "%8.3f") << " " << unit
      << " per degC   probability of increase " << cell(engine_value(a.AVPROB), "%6.3f") << "\n";
}

}  // namespace

RunResults read_run_results(const ScenarioResult& reference, const ScenarioResult& policy) {
  RunResults r;
  for (const ScenarioResult* s : {&reference, &policy}) {
    r.global.push_back(res::read_global_results(s->orvtar_dir, s->label));
    r.regional.push_back(res::read_regional_results(s->engine_dir, s->label));
  }
  return r;
}

void print_summary(const RunSettings& rs, const RunResults& results, const DataTree& tree, std::ostream& out) {
  const EngineSettings& e = rs.engines;
  out << "\nGlobal-mean change from " << rs.IREFYR << " to " << e.IYEAR << " (and "
      << kLateCentury.first << "-" << kLateCentury.last << " against the IPCC AR6 base periods):\n"
      << "                                                    LOW     MID    HIGH    USER\n";
  for (const res::GlobalResults& g : results.global) global_rows(rs, g, out);
  if (std::string gap = period_gap_note(rs.IYEND, std::stoi(rs.orvtar.at("IDISSTEP"))); !gap.empty())
    out << "(" << gap << ")\n";
  out << "\n" << es1990_lines(rs.reference, rs.policy);
  if (std::string mixed = mixed_history_note(rs.reference, rs.policy); !mixed.empty())
    out << "NOTE: " << mixed << "\n";
  out << "\nRegional change in " << e.IYEAR << ", " << (e.IVAR == 1 ? "temperature" : "precipitation")
      << " " << eng::SEASNAME[e.ISEAS] << ", area " << e.area_label << ", "
      << (e.IPSET == 1 ? "DEFAULT (MID)" : "USER") << " parameter set, " << e.IMOD.size()
      << " models (area averages):\n";
  for (const res::RegionalResults& r : results.regional) regional_rows(r, out);
  out << "\n" << data_tree_lines(tree, e.IMOD);
}

}  // namespace fe
