// orvtar: the climate model program. Reads its configuration and input
// files from the working directory and writes its report ORV.OUT, the
// display files and, in the twenty-simulation mode, the drive files there.
#include <cstdio>
#include <exception>

#include "orvtar/control/run_driver.h"
#include "records/command_line.h"
#include "orvtar_manual.h"

int main(int argc, char** argv) {
  if (int rc = rec::no_arguments(argc, argv, manual::HELP, manual::USAGE); rc >= 0) return rc;
  try {
    orv::run();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvtar: %s\n", e.what());
    return 2;
  }
  return 0;
}
