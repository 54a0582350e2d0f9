#include "frontend/scenario_inputs.h"

#include <algorithm>
#include <memory>

#include "orvtar/control/config.h"
#include "orvtar/control/config_items.h"
#include "orvtar/control/inputs.h"
#include "orvtar/control/startup.h"
#include "orvtar/physics/state.h"

namespace fe {

orv::ConfigValues scenario_values(const RunSettings& rs, const Scenario& s) {
  orv::ConfigValues v;
  for (const orv::ConfigItem& item : orv::config_items())
    v.set(item, std::stod(item.name == "ES1990" ? s.es1990 : rs.orvtar.at(std::string(item.name))));
  return v;
}

orv::InputPaths scenario_input_paths(const RunSettings& rs, const Scenario& s, const std::string& data_dir) {
  orv::InputPaths p;
  p.co2hist = data_dir + "/co2hist.IN";
  p.qhalos = s.qhalos;
  p.gasemk = s.emk;
  p.co2input = rs.co2_file;
  p.qextra = rs.extra_forcing_file;
  return p;
}

namespace {

// The run's last year as orvtar's start-up sets it (build_emissions): the
// profile ends the run unless CO2 concentrations are prescribed.
int last_year(const RunSettings& rs, const orv::EmissionsProfile& p) {
  return std::stoi(rs.orvtar.at("ICO2CONC")) == 0 ? std::min(rs.IYEND, p.IYR[p.NEMK]) : rs.IYEND;
}

void check_years(const SettingsFile& f, const RunSettings& rs, const Scenario& s, const char* role, int last) {
  if (last >= rs.IYEND) return;  // checked against IYEND already
  const std::string end = "the run's last year, " + std::to_string(last) + ": the " + role + " profile " + s.label +
                          " ends then, before IYEND = " + std::to_string(rs.IYEND);
  if (rs.engines.IYEAR > last) {
    const Setting* at = f.find("engines", "year");
    fail_line(f.name, at ? at->line : 0,
              "[engines] year " + std::to_string(rs.engines.IYEAR) + ": expected a year no later than " + end);
  }
  if (rs.IREFYR > last) {
    const Setting* at = f.find("orvuser", "IREFYR");
    fail_line(f.name, at ? at->line : 0,
              "[orvuser] IREFYR " + std::to_string(rs.IREFYR) + ": expected a year no later than " + end);
  }
}

}  // namespace

void check_scenario_inputs(const SettingsFile& f, const RunSettings& rs, const std::string& data_dir) {
  const std::pair<const Scenario*, const char*> scenarios[] = {{&rs.reference, "reference"}, {&rs.policy, "policy"}};
  for (const auto& [s, role] : scenarios) {
    const orv::ConfigValues values = scenario_values(rs, *s);
    orv::RunSource src = orv::RunSource::values_and_files(values, scenario_input_paths(rs, *s, data_dir));
    check_years(f, rs, *s, role, last_year(rs, src.emissions()));
    auto state = std::make_unique<orv::OrvState>();
    try {
      orv::use_co2_history(*state, src.co2_history());
      orv::load_run(*state, src, nullptr);
    } catch (const orv::ConfigError& e) {
      refuse_setting(f, e);
    }
  }
}

}  // namespace fe
