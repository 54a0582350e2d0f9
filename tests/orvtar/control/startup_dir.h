// A scratch working directory for start-up tests: it holds copies of the
// standard configuration and input files, the test process works inside it
// while the object lives, and single records can be changed in place.
#pragma once

#include <memory>
#include <string>

#include "input_dir.h"
#include "orvtar/control/config.h"
#include "orvtar/physics/state.h"
#include "records/record_io.h"

namespace orvtest {

class RunDir : public InputDir {
 public:
  RunDir() : InputDir("startup"), cwd_(path()) {}

 private:
  testsupport::WorkingDir cwd_;
};

// The message of the rec::Error that `read` throws, or "(accepted)".
template <class Read>
std::string error_of(Read read) {
  try {
    read();
  } catch (const rec::Error& e) {
    return e.what();
  }
  return "(accepted)";
}

// The model state is large; tests keep it on the heap.
inline std::unique_ptr<orv::OrvState> fresh_state() { return std::make_unique<orv::OrvState>(); }

// The five configuration files of the working directory, with a scratch
// report for G6's reset line (docs/design/configuration.md).
inline void read_config(orv::OrvState& s) {
  rec::Unit report("ORV.OUT", rec::Status::Unknown);
  orv::read_config_files(s, report);
}

}  // namespace orvtest
