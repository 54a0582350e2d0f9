// orvtar: the climate model program. Reads its configuration and input
// files from the working directory and writes its report ORV.OUT, the
// display files and, in the twenty-simulation mode, the drive files there.
#include <cstdio>
#include <exception>

#include "orvtar/control/run_driver.h"
#include "records/command_line.h"

constexpr const char* kUsage =
    "Usage: orvtar   (no arguments)\n"
    "Runs the climate model in the working directory. Reads co2hist.IN, ORVUSER.CFG,\n"
    "ORVGAS.CFG, ORVMOD.CFG, ORVRUN.CFG, ORVXTRA.CFG, QHALOS.IN, GAS.EMK (and co2input.dat,\n"
    "qextra.in when switched on); writes ORV.OUT, concs.dis, forcings.dis, temps.dis,\n"
    "sealev.dis, emiss.dis and, with IRUNMODE = 1, the drive files *drive.raw/.out.\n"
    "Exit status 0 done, 2 a missing or bad input (the message names file and record).\n";

int main(int argc, char** argv) {
  if (int rc = rec::no_arguments(argc, argv, kUsage); rc >= 0) return rc;
  try {
    orv::run();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvtar: %s\n", e.what());
    return 2;
  }
  return 0;
}
