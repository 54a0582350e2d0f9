#include "frontend/bundled_scenarios.h"

#include <cctype>

namespace fe {
namespace {

// ES1990: the global SO2 emission of 1990 in each family's history (the
// profiles give regional SO2 as changes from it; data/README.md).
constexpr BundledScenario kScenarios[] = {
    {"RCP2.6", "RCP26", "63.968", ScenarioFamily::Rcp},
    {"RCP4.5", "RCP45", "63.968", ScenarioFamily::Rcp},
    {"RCP6.0", "RCP60", "63.968", ScenarioFamily::Rcp},
    {"RCP8.5", "RCP85", "63.968", ScenarioFamily::Rcp},
    {"SSP1-1.9", "SSP119", "67.0565", ScenarioFamily::Ssp},
    {"SSP1-2.6", "SSP126", "67.0565", ScenarioFamily::Ssp},
    {"SSP2-4.5", "SSP245", "67.0565", ScenarioFamily::Ssp},
    {"SSP3-7.0", "SSP370", "67.0565", ScenarioFamily::Ssp},
    {"SSP4-3.4", "SSP434", "67.0565", ScenarioFamily::Ssp},
    {"SSP4-6.0", "SSP460", "67.0565", ScenarioFamily::Ssp},
    {"SSP5-3.4-over", "SSP534-OVER", "67.0565", ScenarioFamily::Ssp},
    {"SSP5-8.5", "SSP585", "67.0565", ScenarioFamily::Ssp},
};

// Upper case without '.', '-', '_' and blanks; a '/' stays, so a path
// never matches a name.
std::string bare(std::string_view s) {
  std::string out;
  for (char c : s)
    if (c != '.' && c != '-' && c != '_' && !std::isspace(static_cast<unsigned char>(c)))
      out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

std::span<const BundledScenario> bundled_scenarios() { return kScenarios; }

const BundledScenario* find_bundled(std::string_view name) {
  const std::string key = bare(name);
  if (key.empty()) return nullptr;
  for (const BundledScenario& b : kScenarios)
    if (key == bare(b.name)) return &b;
  return nullptr;
}

std::string emissions_file(const BundledScenario& b, const std::string& data_dir) {
  return data_dir + "/GAS-" + std::string(b.file_tag) + ".EMK";
}

std::string halocarbon_file(const BundledScenario& b, const std::string& data_dir) {
  return data_dir + "/QHALOS-" + std::string(b.file_tag) + ".IN";
}

std::string_view family_name(ScenarioFamily f) { return f == ScenarioFamily::Rcp ? "CMIP5 RCP" : "CMIP6 SSP"; }

std::vector<std::string> bundled_family_lines() {
  std::vector<std::string> lines;
  for (ScenarioFamily f : {ScenarioFamily::Rcp, ScenarioFamily::Ssp}) {
    std::string names, values;
    std::string_view first_value;
    bool one_value = true;
    for (const BundledScenario& b : kScenarios) {
      if (b.family != f) continue;
      if (first_value.empty()) first_value = b.es1990;
      one_value = one_value && b.es1990 == first_value;
      names += (names.empty() ? "" : ", ") + std::string(b.name);
      values += (values.empty() ? "" : ", ") + std::string(b.name) + " " + std::string(b.es1990);
    }
    lines.push_back(std::string(family_name(f)) + ": " + names + "; ES1990 " +
                    (one_value ? std::string(first_value) : values) + " TgS/yr");
  }
  return lines;
}

std::string bundled_names() {
  std::string out;
  for (const BundledScenario& b : kScenarios) out += (out.empty() ? "" : ", ") + std::string(b.name);
  return out;
}

}  // namespace fe
