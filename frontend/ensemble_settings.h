// The [ensemble] section of the settings file: members, seed, the
// distributions of uncertain configuration items (defaults for the main
// ones), which scenarios run, and the observational constraint. Read by
// `scenario ensemble`; `scenario run` leaves the section alone.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ensemble/ensemble_spec.h"
#include "frontend/run_settings.h"
#include "frontend/settings_file.h"

namespace fe {

struct EnsembleSettings {
  ens::EnsembleSpec spec;
  bool reference = true, policy = true;  // the scenarios that run
  // The settings-file line of each varied item's distribution; 0 for a
  // default distribution.
  std::map<std::string, long> lines;
  // Default distributions left out, and why.
  std::vector<std::string> notes;
};

// Checks the [ensemble] entries against the item table and the climate
// model's settings in `rs`; a wrong entry throws rec::Error naming the
// file, the line and the accepted values.
EnsembleSettings read_ensemble_settings(const SettingsFile& file, const RunSettings& rs);

// The [ensemble] section of the init text: every key with its default, and
// the default distributions with their sources.
std::string ensemble_settings_text();

}  // namespace fe
