// `cmake --install` gives a toolkit that runs outside the source tree and
// keeps running when its prefix is moved: the programs find the bundled
// data from their own folder, not from a path of the build.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;
using testsupport::exit_status;
using testsupport::read_text;

TEST(InstalledToolkit, MovedPrefixRunsTheChainFromAnyFolder) {
  testsupport::ScratchDir dir("installed_toolkit");
  const fs::path first = dir.path() / "first";
  const fs::path moved = dir.path() / "moved";
  ASSERT_EQ(exit_status(std::string(CMAKE_COMMAND) + " --install " + BIN_DIR + "/.. --prefix " + first.string() +
                        " > " + (dir.path() / "install.log").string()),
            0)
      << read_text(dir.path() / "install.log");
  fs::rename(first, moved);

  for (const char* program : {"orvtar", "crossmod", "varistat", "scenario", "tesseragen", "tesseraimport"}) {
    EXPECT_TRUE(fs::exists(moved / "bin" / program)) << program;
    EXPECT_TRUE(fs::exists(moved / "share/man/man1" / (std::string(program) + ".1"))) << program;
  }
  const fs::path data = moved / "share/scenario-toolkit/data";
  for (const char* file : {"GAS-RCP45.EMK", "QHALOS-SSP245.IN", "co2hist.IN", "MASK.L", "defaults/ORVUSER.CFG"})
    EXPECT_TRUE(fs::is_regular_file(data / file)) << file;

  // A short run from a folder of its own, with nothing pointing at the
  // build or the source tree.
  const fs::path work = dir.path() / "work";
  fs::create_directories(work);
  const std::string bin = (moved / "bin").string();
  ASSERT_EQ(exit_status(bin + "/tesseragen --quiet --vars TEMP --seasons ANN --workdir " + (work / "gen").string() +
                        " " + (work / "tree").string()),
            0);
  testsupport::write_text(work / "settings.ini",
                          "[orvuser]\nIYEND = 2030\n[orvxtra]\nDT = 0.5\n[engines]\nyear = 2030\nmodels = GC01\n");
  const std::string scenario =
      "cd " + work.string() +
      " && env -u TOOLKIT_DATA_DIR -u TOOLKIT_BIN_DIR TESSERA_DATA_ROOT=" + (work / "tree").string() + " " + bin +
      "/scenario run settings.ini --out run";
  ASSERT_EQ(exit_status(scenario + " > run.log 2>&1"), 0) << read_text(work / "run.log");
  EXPECT_TRUE(fs::exists(work / "run/orvtar-policy/temps.dis"));
  EXPECT_FALSE(fs::is_empty(work / "run/engines-reference/IMOUT/AREAAVES.OUT"));

  // The data it used is the moved prefix's: without a bundled profile
  // there, the run stops naming the file in the moved prefix.
  fs::remove(data / "GAS-RCP45.EMK");
  EXPECT_EQ(exit_status(scenario + " > failed.log 2>&1"), 2);
  EXPECT_NE(read_text(work / "failed.log").find((data / "GAS-RCP45.EMK").string()), std::string::npos)
      << read_text(work / "failed.log");
}

}  // namespace
