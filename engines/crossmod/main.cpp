// crossmod: the inter-model pattern engine. Reads EXTRA.CFG, SHELL.CFG, the
// mask and weights files and the data tree; writes IMOUT/ and TESSERA/.
#include <cstdio>
#include <exception>
#include <string>

#include "engines/common/file_names.h"
#include "engines/crossmod/run.h"
#include "records/command_line.h"

constexpr const char* kUsage =
    "Usage: crossmod   (no arguments)\n"
    "Runs the inter-model pattern engine in the working directory. Reads EXTRA.CFG,\n"
    "SHELL.CFG, MASK.x, TSU.xx and the model data tree (standard root /TS41/TESS-41/ENGINE,\n"
    "or $TESSERA_DATA_ROOT); writes IMOUT/*.OUT and TESSERA/*.OUT.\n"
    "Exit status 0 done, 2 a missing or bad input (the message names file and record).\n";

int main(int argc, char** argv) {
  if (int rc = rec::no_arguments(argc, argv, kUsage); rc >= 0) return rc;
  try {
    xm::run();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "crossmod: %s\n", e.what());
    if (std::string hint = eng::data_root_hint(e.what()); !hint.empty())
      std::fprintf(stderr, "crossmod: %s\n", hint.c_str());
    return 2;
  }
  std::puts("Stop - Program terminated.");
  return 0;
}
