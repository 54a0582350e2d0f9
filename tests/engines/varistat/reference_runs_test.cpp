// Whole runs of varistat on a fixed synthetic tree (tesseragen, seed 7)
// compared with stored reference outputs (tests/data/reference/varistat/
// <case>/): every file of SDOUT/ and TESSERA/, record by record, to one
// unit in the last printed digit. The cases span both variables, the whole
// globe and a mask, definitions 1 and 2 together and definition 2 alone,
// both scalings, all models and a subset. scripts/update-references.sh
// rewrites the stored files; review their diffs before committing them.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <ostream>
#include <set>
#include <string>

#include "support/reference_outputs.h"
#include "support/synthetic_tree.h"
#include "tests/engines/varistat/tiny_tree.h"

namespace {

using namespace vstest;

struct Case {
  const char* name;
  ShellSettings shell;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

ShellSettings all_models_both_definitions() {
  ShellSettings s;
  s.IDEF = 3;
  s.ISULF = 1;
  for (int m = 1; m <= 17; ++m) s.IMOD.push_back(m);
  return s;
}

ShellSettings european_summer_precipitation() {
  ShellSettings s;
  s.IMASK = 1;
  s.MASKID = 'E';
  s.IVAR = 2;
  s.ISEAS = 15;  // JJA
  s.ISCALE = 2;
  s.IPSET = 2;   // TSU.UR
  s.IYEAR = 2070;
  s.IDEF = 2;
  s.IMOD = {5, 9, 12, 2};
  return s;
}

const Case CASES[] = {
    {"temp_ann_globe_both_definitions", all_models_both_definitions()},
    {"precip_jja_europe_mask_definition2_exponential", european_summer_precipitation()},
};

class ReferenceRun : public ::testing::TestWithParam<Case> {
 protected:
  static void SetUpTestSuite() {
    root_ = fs::temp_directory_path() / ("varistat_reference_tree_" + std::to_string(::getpid()));
    tree_ = testsupport::make_synthetic_tree(root_, "--seed 7 --seasons ANN,JJA");
  }
  static void TearDownTestSuite() { fs::remove_all(root_); }

  static inline fs::path root_;
  static inline ::testing::AssertionResult tree_ = ::testing::AssertionFailure();
};

TEST_P(ReferenceRun, EveryOutputMatchesTheStoredReference) {
  ASSERT_TRUE(tree_);
  const Case& c = GetParam();
  testsupport::ScratchWorkDir dir("varistat_reference");
  for (const char* f : {"TSU.DR", "TSU.DP", "TSU.UR", "TSU.UP", "MASK.L", "MASK.O", "MASK.E", "MASK.W"})
    fs::copy_file(root_ / "WORK" / f, f);
  write_shell(c.shell);
  const std::set<fs::path> inputs = testsupport::files_below(".");

  ASSERT_EQ(run_varistat(root_), 0) << read_text("err.txt");

  std::set<fs::path> outputs;
  for (const fs::path& f : testsupport::files_below("."))
    if (!inputs.contains(f) && f != "out.txt" && f != "err.txt") outputs.insert(f);
  testsupport::check_reference_outputs(fs::path(TEST_DATA_DIR) / "reference" / "varistat" / c.name,
                                       fs::current_path(), outputs);
}

INSTANTIATE_TEST_SUITE_P(Varistat, ReferenceRun, ::testing::ValuesIn(CASES),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
