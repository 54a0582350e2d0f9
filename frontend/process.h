// Starting the toolkit's programs from the front end.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace fe {

// Runs `exe` with `args` in the folder `dir`, its output and errors going to
// `log`; `env` adds variables to the environment. Returns the exit status
// (128 + the signal number when a signal ended it).
int run_program(const std::string& exe, const std::vector<std::string>& args, const std::string& dir,
                const std::string& log, const std::vector<std::pair<std::string, std::string>>& env = {});

// The folder holding the toolkit's programs: $TOOLKIT_BIN_DIR, or the
// folder of the running program.
std::string program_dir();

}  // namespace fe
