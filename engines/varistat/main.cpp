// varistat: changes in interannual variability under global warming. Reads
// SHELL.CFG and the data tree, writes SDOUT/ and TESSERA/.
#include <cstdio>
#include <exception>
#include <string>

#include "engines/common/file_names.h"
#include "engines/varistat/run.h"
#include "records/command_line.h"
#include "varistat_manual.h"

int main(int argc, char** argv) {
  if (int rc = rec::no_arguments(argc, argv, manual::HELP, manual::USAGE); rc >= 0) return rc;
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
