// Each scenario's climate-model inputs as the model will take them: the
// settings with the scenario's 1990 SO2 emission, the data files, and the
// model's start-up run on them before anything else runs, so that a file it
// would refuse, or a year past the run's real end, stops the run at once.
#pragma once

#include <string>

#include "frontend/run_settings.h"
#include "frontend/settings_file.h"
#include "orvtar/control/config_values.h"
#include "orvtar/control/run_source.h"

namespace fe {

// The climate model's settings of scenario `s`: the settings file's items
// and the scenario's ES1990.
orv::ConfigValues scenario_values(const RunSettings& rs, const Scenario& s);

// The data files of scenario `s`, by the paths the settings file gives.
orv::InputPaths scenario_input_paths(const RunSettings& rs, const Scenario& s, const std::string& data_dir);

// For the reference and the policy scenario: the run's last year (IYEND,
// or the emissions profile's last year when that is earlier and CO2 is not
// prescribed) against IREFYR and the engines' year, then the model's
// start-up on the scenario's files. Throws rec::Error naming the settings
// line, or the data file and its record.
void check_scenario_inputs(const SettingsFile& file, const RunSettings& rs, const std::string& data_dir);

}  // namespace fe
