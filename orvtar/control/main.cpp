// orvtar: the climate model program. Reads its configuration and input
// files from the working directory and writes its report ORV.OUT, the
// display files and, in the twenty-simulation mode, the drive files there.
#include <cstdio>
#include <exception>

#include "orvtar/control/run_driver.h"
#include "orvtar/physics/state.h"

int main() {
  // The state is large (fixed-capacity series), so it lives outside the stack.
  static orv::OrvState s;
  try {
    orv::run(s);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvtar: %s\n", e.what());
    return 2;
  }
  return 0;
}
