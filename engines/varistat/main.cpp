// varistat: changes in interannual variability under global warming. Reads
// SHELL.CFG and the data tree, writes SDOUT/ and TESSERA/.
#include <cstdio>
#include <exception>

#include "engines/varistat/run.h"
#include "records/record_io.h"

int main() {
  try {
    vs::run();
  } catch (const rec::Error& e) {
    std::fprintf(stderr, "varistat: %s\n", e.what());
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "varistat: %s\n", e.what());
    return 2;
  }
  std::puts("Stop - Program terminated.");
  return 0;
}
