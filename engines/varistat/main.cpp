// varistat: changes in interannual variability under global warming. Reads
// SHELL.CFG and the data tree, writes SDOUT/ and TESSERA/.
#include <cstdio>
#include <exception>
#include <string>

#include "engines/common/file_names.h"
#include "engines/varistat/run.h"
#include "records/command_line.h"

constexpr const char* kUsage =
    "Usage: varistat   (no arguments)\n"
    "Runs the variability engine in the working directory. Reads SHELL.CFG, MASK.x,\n"
    "TSU.xx and the model data tree (standard root /TS41/TESS-41/ENGINE, or\n"
    "$TESSERA_DATA_ROOT); writes SDOUT/*.OUT and TESSERA/*.OUT.\n"
    "Exit status 0 done, 2 a missing or bad input (the message names file and record).\n";

int main(int argc, char** argv) {
  if (int rc = rec::no_arguments(argc, argv, kUsage); rc >= 0) return rc;
  try {
    vs::run();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "varistat: %s\n", e.what());
    if (std::string hint = eng::data_root_hint(e.what()); !hint.empty())
      std::fprintf(stderr, "varistat: %s\n", hint.c_str());
    return 2;
  }
  std::puts("Stop - Program terminated.");
  return 0;
}
