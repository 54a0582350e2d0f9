// orvtar: the climate model program. Reads its configuration and input
// files from the working directory and writes its report there.
#include <cstdio>
#include <exception>

#include "orvtar/control/startup.h"
#include "orvtar/physics/state.h"
#include "records/record_io.h"

int main() {
  static orv::OrvState s;
  rec::Unit report;
  try {
    orv::startup(s, report);
  } catch (const rec::Error& e) {
    std::fprintf(stderr, "orvtar: %s\n", e.what());
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvtar: %s\n", e.what());
    return 2;
  }
  return 0;
}
