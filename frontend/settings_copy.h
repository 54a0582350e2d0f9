// The settings file as a run folder keeps it: the text as written, with
// every relative path made absolute, so that `scenario run
// FOLDER/settings.ini` (or ensemble, or sweep) reads the same files from
// the run folder as the run did from the settings file's own folder.
#pragma once

#include <string>

#include "frontend/settings_file.h"

namespace fe {

// The text of `file` with its relative paths made absolute; every other
// byte is kept.
std::string settings_copy(const SettingsFile& file);

}  // namespace fe
