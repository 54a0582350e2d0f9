// The emissions scenarios bundled in data/: their names, the files that
// hold them and the 1990 global SO2 emission their regional SO2 changes
// count from. The settings check, the init text, the run folder's README and
// the summary all read this one table.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fe {

// Which family of scenarios a bundled profile belongs to; the two have
// different emission histories (CMIP5 and CMIP6 inventories).
enum class ScenarioFamily { Rcp, Ssp };

struct BundledScenario {
  std::string_view name;      // "SSP2-4.5", as users and the literature write it
  std::string_view file_tag;  // "SSP245": data/GAS-<tag>.EMK and data/QHALOS-<tag>.IN
  std::string_view es1990;    // the profile's 1990 global SO2 emission, TgS/yr, as written into ORVXTRA.CFG
  ScenarioFamily family;
};

// Every bundled scenario, the four RCPs then the eight SSPs.
std::span<const BundledScenario> bundled_scenarios();

// The bundled scenario called `name`: its name in any case, with or
// without the punctuation '.', '-', '_' and blanks ("ssp245", "SSP534-OVER",
// "rcp4.5"); nullptr when there is none of that name.
const BundledScenario* find_bundled(std::string_view name);

std::string emissions_file(const BundledScenario& b, const std::string& data_dir);
std::string halocarbon_file(const BundledScenario& b, const std::string& data_dir);

// "CMIP5 RCP" or "CMIP6 SSP", for notes on mixed pairs.
std::string_view family_name(ScenarioFamily f);

// One line per family for the init text, e.g. "CMIP5 RCP: RCP2.6, RCP4.5,
// RCP6.0, RCP8.5; ES1990 63.968 TgS/yr".
std::vector<std::string> bundled_family_lines();

// The names as a list for messages: "RCP2.6, RCP4.5, ..., SSP5-8.5".
std::string bundled_names();

}  // namespace fe
