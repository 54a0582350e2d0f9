// crossmod: the inter-model pattern engine. Reads EXTRA.CFG, SHELL.CFG, the
// mask and weights files and the data tree; writes IMOUT/ and TESSERA/.
#include <cstdio>
#include <exception>

#include "engines/crossmod/run.h"
#include "records/record_io.h"

int main() {
  try {
    xm::run();
  } catch (const rec::Error& e) {
    std::fprintf(stderr, "crossmod: %s\n", e.what());
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "crossmod: %s\n", e.what());
    return 2;
  }
  std::puts("Stop - Program terminated.");
  return 0;
}
