// A finished `scenario run` for the tests of results/: the chain to 2050 on
// a small synthetic tree (tesseragen seed 3, temperature, ANN), with a
// box as the study area, made once per test program. A test that needs it
// fails, never skips, when a program is missing or fails.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "support/scratch_dir.h"
#include "support/synthetic_tree.h"

namespace testsupport {

class FinishedRun : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    scratch_ = std::make_unique<ScratchDir>("results_run");
    const fs::path tree = scratch_->path() / "tree";
    made_ = make_synthetic_tree(tree, "--seed 3 --vars TEMP --seasons ANN --workdir '" +
                                          (scratch_->path() / "genwork").string() + "'");
    if (!made_) return;
    run_ = scratch_->path() / "run";
    write_text(scratch_->path() / "settings.ini", SETTINGS);
    const fs::path log = scratch_->path() / "run.log";
    const int status = exit_status("TESSERA_DATA_ROOT='" + tree.string() + "' '" + BIN_DIR + "/scenario' run '" +
                                   (scratch_->path() / "settings.ini").string() + "' --out '" + run_.string() +
                                   "' > '" + log.string() + "' 2>&1");
    output_ = read_text(log);
    if (status != 0) made_ = ::testing::AssertionFailure() << "scenario run ended with " << status << ":\n" << output_;
  }
  static void TearDownTestSuite() { scratch_.reset(); }

  void SetUp() override { ASSERT_TRUE(made_); }

 public:
  static fs::path results() { return run_ / "results"; }

  static constexpr const char* SETTINGS =
      "[orvuser]\nIYEND = 2050\n[orvxtra]\nDT = 0.5\n"
      "[engines]\nyear = 2050\nmodels = GC01 GC04 GC11\narea = box 30 70 -10 40\n";

  static inline std::unique_ptr<ScratchDir> scratch_;
  static inline ::testing::AssertionResult made_ = ::testing::AssertionFailure() << "not made";
  static inline fs::path run_;
  static inline std::string output_;  // what scenario run printed
};

}  // namespace testsupport
