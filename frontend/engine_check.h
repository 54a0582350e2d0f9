// The engine settings checked by the engines themselves: the configuration
// files the chain will write are read back by crossmod's and varistat's own
// readers (engines/common/config.h), so that whatever they would refuse,
// including a value too wide for its field, stops the run before anything
// runs, at its settings line. The rules live in the engines alone.
#pragma once

#include "frontend/run_settings.h"
#include "frontend/settings_file.h"

namespace fe {

// Throws rec::Error "FILE, line N: [engines] KEY = "VALUE": ..." with the
// engines' message, naming EXTRA.CFG or SHELL.CFG and the record.
void check_engine_settings(const SettingsFile& file, const EngineSettings& e);

}  // namespace fe
