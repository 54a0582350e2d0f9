// The validated settings of one chain run: every climate-model item, the
// two scenarios and the engine choices, translated from the names users know
// to the positional values the programs read.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "frontend/bundled_scenarios.h"
#include "frontend/settings_file.h"
#include "orvtar/control/config.h"

namespace fe {

struct Scenario {
  std::string label;   // "RCP4.5", or the file name for a profile given by path
  std::string emk;     // emissions profile (GAS.EMK layout)
  std::string qhalos;  // halocarbon forcing (QHALOS.IN layout)
  const BundledScenario* bundled = nullptr;  // nullptr for a profile given by path
  std::string es1990;         // 1990 global SO2 emission written as ES1990, TgS/yr
  std::string es1990_source;  // where es1990 comes from: "bundled profile" or the setting
};

struct EngineSettings {
  int IYEAR = 2100;
  int IVAR = 1;
  int ISEAS = 17;
  int ISCALE = 1;
  int IPSET = 1;
  int ISULF = 1;
  int IDEF = 1;
  std::vector<int> IMOD;  // catalogue indices 1..17
  bool all_models = true;  // "all": every model of the data tree
  double XLAT1 = -90, XLAT2 = 90, XLON1 = -180, XLON2 = 180;
  int IMASK = 0;
  char MASKID = 'L';
  std::string mask_file;  // copied to MASK.<MASKID> when IMASK is 1
  std::string area_label = "global";
  double THRESH = 0.0;
  std::string OBSSET = "NEW";
  std::string data_root;  // empty: TESSERA_DATA_ROOT, else a synthetic tree
};

struct RunSettings {
  std::map<std::string, std::string> orvtar;  // item name -> value text
  Scenario reference;
  Scenario policy;
  std::string co2_file;            // co2input.dat when ICO2CONC >= 1
  std::string extra_forcing_file;  // qextra.in when IQEXTRA >= 1
  EngineSettings engines;
  int IYEND = 2100;
  int IREFYR = 1990;
};

// Checks every entry of the settings file and fills in defaults for what
// it leaves out. Any unknown key, empty or malformed value or value out of
// range throws rec::Error naming the file, the line and the accepted values.
// It also runs what the programs would refuse later: the engines' readers on
// their configuration as it will be written (engine_check.h) and the climate
// model's start-up on each scenario's files (scenario_inputs.h).
// Relative paths are taken from the settings file's folder; `data_dir` is
// where the bundled inputs are.
RunSettings validate_settings(const SettingsFile& file, const std::string& data_dir);

// A setting the climate model refuses, as a settings error (rec::Error) at
// the line of the item it names (no line when the item was left out).
[[noreturn]] void refuse_setting(const SettingsFile& file, const orv::ConfigError& e);

// A path written in the settings file: a relative one is taken from the
// file's folder.
std::string settings_path(const SettingsFile& file, const std::string& path);

// The scenario named (a bundled one) or given by path in `s`, as [scenarios]
// reads one without its halocarbon and ES1990 settings: a profile given by
// path takes the RCP4.5 halocarbons and [orvxtra] ES1990 of `rs`.
Scenario scenario_of(const SettingsFile& file, const Setting& s, const RunSettings& rs, const std::string& data_dir);

// The text of a settings file that lists every setting with its default, and
// a comment with its unit and meaning.
std::string default_settings_text();

}  // namespace fe
