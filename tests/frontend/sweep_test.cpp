// `scenario sweep` end to end on small ensembles (one time step a year):
// the same files as `scenario ensemble` for the same settings and seed;
// byte for byte the same files on two MPI ranks as in one process, with
// blocks that do not divide the members; a bad scenario among several
// named with its file, no result files; bad [sweep] settings refused with
// the line. The MPI cases need Open MPI's mpirun, as CI installs it.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

class Sweep : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = fs::temp_directory_path() / ("fe_sweep_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  static void TearDownTestSuite() { fs::remove_all(dir_); }

  // Runs `launcher scenario COMMAND` on the settings text into the folder
  // `name`; returns the exit status.
  static int run(const std::string& name, const std::string& settings, std::string& output,
                 const std::string& command = "sweep", const std::string& launcher = "") {
    const fs::path ini = dir_ / (name + ".ini");
    std::ofstream(ini) << settings;
    const fs::path log = dir_ / (name + ".log");
    const std::string cmd = launcher + std::string(BIN_DIR) + "/scenario " + command + " " + ini.string() + " --out " +
                            (dir_ / name).string() + " >" + log.string() + " 2>&1";
    const int status = std::system(cmd.c_str());
    output = slurp(log);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  // Open MPI keeps some of its own allocations to the end of the process,
  // which a sanitizer build's leak check would report as ours.
  static inline const std::string mpirun =
      "ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 mpirun --allow-run-as-root --oversubscribe -n 2 ";
  static inline const std::string small = "[orvxtra]\nDT = 1.0\n[ensemble]\nmembers = 23\nseed = 11\n";
  static inline fs::path dir_;
};

TEST_F(Sweep, GivesTheEnsemblesFilesForTheSameSettings) {
  const std::string settings = small + "[sweep]\nscenarios = RCP4.5, RCP2.6\nblock = 5\n";
  std::string out;
  ASSERT_EQ(run("as_ensemble", settings, out, "ensemble"), 0) << out;
  ASSERT_EQ(run("as_sweep", settings, out), 0) << out;
  for (const char* f : {"percentiles.csv", "members.csv"})
    EXPECT_EQ(slurp(dir_ / "as_sweep" / "sweep" / f), slurp(dir_ / "as_ensemble" / "ensemble" / f)) << f;
  EXPECT_NE(out.find("RCP2.6"), std::string::npos) << out;
}

TEST_F(Sweep, TwoMpiRanksGiveTheFilesOfOneProcess) {
  ASSERT_EQ(std::system("mpirun --version >/dev/null 2>&1"), 0) << "mpirun (Open MPI) is needed";
  const std::string settings = small + "[sweep]\nscenarios = RCP2.6, RCP6.0, SSP5-8.5\nblock = 4\n";
  std::string one, two;
  ASSERT_EQ(run("one", settings, one), 0) << one;
  ASSERT_EQ(run("two", settings, two, "sweep", mpirun), 0) << two;
  EXPECT_NE(two.find("on 2 ranks"), std::string::npos) << two;
  for (const char* f : {"percentiles.csv", "members.csv"}) {
    const std::string a = slurp(dir_ / "one" / "sweep" / f);
    EXPECT_GT(a.size(), 1000u) << f;
    EXPECT_EQ(a, slurp(dir_ / "two" / "sweep" / f)) << f;
  }
}

TEST_F(Sweep, ABadScenarioAmongSeveralStopsTheJobByName) {
  ASSERT_EQ(std::system("mpirun --version >/dev/null 2>&1"), 0) << "mpirun (Open MPI) is needed";
  const fs::path profiles = dir_ / "profiles";
  fs::create_directories(profiles);
  fs::copy_file(fs::path(PROJECT_DATA_DIR) / "GAS-RCP45.EMK", profiles / "A-GOOD.EMK");
  std::ifstream good(profiles / "A-GOOD.EMK");
  std::ofstream bad(profiles / "B-BAD.EMK");
  int n = 0;
  for (std::string line; std::getline(good, line);) bad << (++n == 12 ? "  2010  abc" : line) << "\n";
  bad.close();
  const std::string settings = small + "[sweep]\nscenarios = RCP2.6\nfolder = profiles\n";
  for (const std::string& launcher : {std::string(), mpirun}) {
    std::string out;
    EXPECT_NE(run("bad", settings, out, "sweep", launcher), 0) << launcher;
    EXPECT_NE(out.find((profiles / "B-BAD.EMK").string() + ", record 12"), std::string::npos) << out;
    EXPECT_FALSE(fs::exists(dir_ / "bad" / "sweep" / "percentiles.csv")) << launcher;
    EXPECT_FALSE(fs::exists(dir_ / "bad" / "sweep" / "members.csv")) << launcher;
  }
}

TEST_F(Sweep, BadSweepSettingsNameTheirLine) {
  struct Case {
    const char* section;
    const char* expected;
  };
  const Case cases[] = {
      {"[sweep]\nblock = 0\n", "line 7: [sweep] block = \"0\": expected the members in a block"},
      {"[sweep]\nrepeat = 2\n", "line 7: [sweep] repeat = \"2\": expected one of scenarios, folder or block"},
      {"[sweep]\nscenarios = RCP2.6, , RCP4.5\n", "line 7: [sweep] scenarios = \"RCP2.6, , RCP4.5\": expected a"},
      {"[sweep]\nscenarios = RCP2.6, rcp26\n", "line 7: [sweep] the scenario RCP2.6 is named twice"},
      {"[sweep]\nscenarios = RCP9.9\n", "line 7: [sweep] scenarios = \"RCP9.9\": expected"},
      {"[sweep]\nfolder = .\n", "line 7: [sweep] folder = \".\": expected a folder holding emissions profiles"},
  };
  for (const Case& c : cases) {
    std::string out;
    EXPECT_EQ(run("settings", small + c.section, out), 2) << c.section;
    EXPECT_NE(out.find(c.expected), std::string::npos) << c.section << "\n" << out;
  }
}

}  // namespace
