// Writers of the engines' configuration files, in the layouts their readers
// take (config.h): one value a record in the columns read, and after it a
// comment naming the item. Used by the front end and the data generator.
#pragma once

#include <string>
#include <string_view>

#include "engines/common/config.h"

namespace eng {

// EXTRA.CFG: `title`, THRESH, OBSSET, IBOTH.
void write_extra_cfg(const std::string& path, const EngineConfig& c, std::string_view title);

// SHELL.CFG: `title`, records 2-16 of `c`, then IMOD[1 .. NMODS].
void write_shell_cfg(const std::string& path, const EngineConfig& c, std::string_view title);

}  // namespace eng
