// crossmod: the inter-model pattern engine. Reads EXTRA.CFG, SHELL.CFG, the
// mask and weights files and the data tree; writes IMOUT/ and TESSERA/.
#include <cstdio>
#include <exception>
#include <string>

#include "engines/common/file_names.h"
#include "engines/crossmod/run.h"
#include "records/command_line.h"
#include "crossmod_manual.h"

int main(int argc, char** argv) {
  if (int rc = rec::no_arguments(argc, argv, manual::HELP, manual::USAGE); rc >= 0) return rc;
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
