// The [sweep] section of the settings file: the scenarios a sweep runs
// through the ensemble (bundled names, profiles given by path and every
// profile in a folder) and the members in a block of work. Read by
// `scenario sweep`; the other commands leave the section alone.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "frontend/run_settings.h"
#include "frontend/settings_file.h"

namespace fe {

struct SweepSettings {
  std::vector<Scenario> scenarios;
  std::size_t block_members = 25;
};

// Checks the [sweep] entries; a wrong one throws rec::Error naming the
// file, the line and what is expected. Without the section the sweep runs
// the four RCPs.
SweepSettings read_sweep_settings(const SettingsFile& file, const RunSettings& rs, const std::string& data_dir);

// The [sweep] section of the init text.
std::string sweep_settings_text();

}  // namespace fe
