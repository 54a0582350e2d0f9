// A synthetic model-data tree made by tesseragen for the engine tests that
// run on one. A test that needs the tree fails (never skips) when
// tesseragen is missing or fails: the suites that depend on it must not
// pass without having run.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/scratch_dir.h"

namespace testsupport {

// Writes the tree under `root` (replacing what is there) with the given
// tesseragen options; the answer says why it failed.
inline ::testing::AssertionResult make_synthetic_tree(const fs::path& root, const std::string& options) {
  const fs::path gen = fs::path(BIN_DIR) / "tesseragen";
  if (!fs::exists(gen))
    return ::testing::AssertionFailure() << gen.string() << " is missing: build the tesseragen target";
  fs::remove_all(root);
  const fs::path log = root.string() + ".log";
  const int status = exit_status("'" + gen.string() + "' --quiet " + options + " '" + root.string() + "' > '" +
                                 log.string() + "' 2>&1");
  const std::string said = read_text(log);
  fs::remove(log);
  if (status != 0)
    return ::testing::AssertionFailure() << "tesseragen " << options << " ended with status " << status << ": "
                                         << said;
  return ::testing::AssertionSuccess();
}

}  // namespace testsupport
