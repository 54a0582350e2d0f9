// Whole runs of crossmod on a fixed synthetic tree (tesseragen, seed 7)
// compared with stored reference outputs (tests/data/reference/crossmod/
// <case>/): every file of IMOUT/ and TESSERA/, record by record, to one
// unit in the last printed digit. The cases span both variables, three
// seasons, box and mask areas, the three definition modes, aerosols on and
// off, both scalings, all models and subsets. scripts/update-references.sh
// rewrites the stored files; review their diffs before committing them.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <ostream>
#include <set>
#include <string>

#include "engines/crossmod/run_support.h"
#include "support/reference_outputs.h"
#include "support/synthetic_tree.h"

namespace {

using namespace xmtest;

struct Case {
  const char* name;
  Settings settings;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

Settings all_models_temperature() {
  Settings s;
  s.THRESH = 1.0;
  for (int m = 1; m <= 17; ++m) s.IMOD.push_back(m);
  return s;
}

Settings land_precipitation() {
  Settings s;
  s.IMASK = 1;
  s.MASKID = 'L';
  s.IVAR = 2;
  s.ISEAS = 13;  // DJF
  s.ISCALE = 2;
  s.IPSET = 2;
  s.ISCEN = 2;   // TSU.UP
  s.ISULF = 0;
  s.IYEAR = 2080;
  s.IDEF = 2;
  s.IMOD = {2, 5, 9, 12, 16};
  s.THRESH = 5.0;
  s.OBSSET = "OLD";
  return s;
}

Settings european_summer() {
  Settings s;
  s.XLAT1 = 30;
  s.XLAT2 = 70;
  s.XLON1 = -20;
  s.XLON2 = 40;
  s.ISEAS = 15;  // JJA
  s.ISCEN = 2;   // TSU.DP
  s.IYEAR = 2100;
  s.IBOTH = 1;   // both definitions whatever IDEF says
  s.IMOD = {1, 3, 4, 7, 11, 14};
  s.THRESH = 0.5;
  return s;
}

const Case CASES[] = {
    {"temp_ann_globe_definition1_aerosols", all_models_temperature()},
    {"precip_djf_land_mask_definition2_exponential", land_precipitation()},
    {"temp_jja_box_both_definitions", european_summer()},
};

class ReferenceRun : public ::testing::TestWithParam<Case> {
 protected:
  static void SetUpTestSuite() {
    root_ = fs::temp_directory_path() / ("crossmod_reference_tree_" + std::to_string(::getpid()));
    tree_ = testsupport::make_synthetic_tree(root_, "--seed 7 --seasons ANN,DJF,JJA");
  }
  static void TearDownTestSuite() { fs::remove_all(root_); }

  static inline fs::path root_;
  static inline ::testing::AssertionResult tree_ = ::testing::AssertionFailure();
};

TEST_P(ReferenceRun, EveryOutputMatchesTheStoredReference) {
  ASSERT_TRUE(tree_);
  const Case& c = GetParam();
  testsupport::ScratchWorkDir dir("crossmod_reference");
  for (const char* f : {"TSU.DR", "TSU.DP", "TSU.UR", "TSU.UP", "MASK.L", "MASK.O", "MASK.E", "MASK.W"})
    fs::copy_file(root_ / "WORK" / f, f);
  write_config(c.settings);
  const std::set<fs::path> inputs = testsupport::files_below(".");

  const RunResult r = run_crossmod(root_);
  ASSERT_EQ(r.status, 0) << r.err;

  std::set<fs::path> outputs;
  for (const fs::path& f : testsupport::files_below("."))
    if (!inputs.contains(f) && f != "run.stdout" && f != "run.stderr") outputs.insert(f);
  testsupport::check_reference_outputs(fs::path(TEST_DATA_DIR) / "reference" / "crossmod" / c.name,
                                       fs::current_path(), outputs);
}

INSTANTIATE_TEST_SUITE_P(Crossmod, ReferenceRun, ::testing::ValuesIn(CASES),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
