// Writes the programs' positional configuration files from validated
// settings: the value in the columns the program reads, and after it a
// comment naming the item.
#pragma once

#include <string>

#include "frontend/run_settings.h"

namespace fe {

// ORVUSER.CFG, ORVGAS.CFG, ORVMOD.CFG, ORVRUN.CFG and ORVXTRA.CFG in `dir`
// for the run of scenario `s`, whose own 1990 SO2 emission is ES1990.
void write_orvtar_configs(const RunSettings& rs, const Scenario& s, const std::string& dir);

// EXTRA.CFG and SHELL.CFG in `dir` for scenario ISCEN (1 reference, 2 policy).
void write_engine_configs(const EngineSettings& e, int ISCEN, const std::string& dir);

}  // namespace fe
