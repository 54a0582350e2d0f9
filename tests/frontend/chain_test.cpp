// The whole chain, shortened to 2050, on a small synthetic model-data tree:
// every program runs, every expected output is there, and the summary's
// numbers are finite and of the expected sign.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "frontend/summary.h"
#include "support/scratch_dir.h"

namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path& p) {
  std::ifstream in(p);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

class Chain : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = fs::temp_directory_path() / ("fe_chain_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    tree_ = dir_ / "tree";
    std::string gen = std::string(BIN_DIR) + "/tesseragen --quiet --vars TEMP --seasons ANN --workdir " +
                      (dir_ / "genwork").string() + " " + tree_.string();
    ASSERT_EQ(std::system(gen.c_str()), 0);
  }
  static void TearDownTestSuite() { fs::remove_all(dir_); }

  // Runs `scenario run` on the settings text; returns the exit status.
  int run(const std::string& name, const std::string& settings, std::string& output) {
    fs::path ini = dir_ / (name + ".ini");
    std::ofstream(ini) << settings;
    fs::path log = dir_ / (name + ".log");
    std::string cmd = "TESSERA_DATA_ROOT=" + tree_.string() + " " + BIN_DIR + "/scenario run " + ini.string() +
                      " --out " + (dir_ / name).string() + " >" + log.string() + " 2>&1";
    int status = std::system(cmd.c_str());
    output = slurp(log);
    return WEXITSTATUS(status);
  }

  static inline fs::path dir_;
  static inline fs::path tree_;
};

TEST_F(Chain, ShortRunWritesEveryOutputAndASensibleSummary) {
  std::string out;
  ASSERT_EQ(run("short",
                "[orvuser]\nIYEND = 2050\n[orvxtra]\nDT = 0.5\n"
                "[engines]\nyear = 2050\nmodels = GC01 GC04 GC11\n",
                out),
            0)
      << out;
  for (const char* scen : {"reference", "policy"}) {
    fs::path o = dir_ / "short" / (std::string("orvtar-") + scen);
    for (const char* f : {"ORV.OUT", "temps.dis", "sealev.dis", "concs.dis", "forcings.dis", "emiss.dis",
                          "lodrive.raw", "middrive.out", "hidrive.raw", "usrdrive.out"})
      EXPECT_TRUE(fs::exists(o / f)) << o / f;
    fs::path e = dir_ / "short" / (std::string("engines-") + scen);
    for (const char* f : {"TSU.DR", "TSU.UR", "TSU.DP", "TSU.UP", "IMOUT/AREAAVES.OUT", "IMOUT/IMFIELDS.OUT",
                          "TESSERA/DEL2USE.OUT"})
      EXPECT_TRUE(fs::exists(e / f)) << e / f;
    EXPECT_FALSE(fs::is_empty(e / "IMOUT/AREAAVES.OUT"));
    EXPECT_FALSE(fs::is_empty(e / "SDOUT"));
  }
  // Warming and sea-level rise from 1990 to 2050: positive, finite, and
  // ordered LOW < MID < HIGH for both scenarios.
  const fe::RunResults results = fe::read_run_results(
      {"RCP4.5", (dir_ / "short/orvtar-reference").string(), (dir_ / "short/engines-reference").string()},
      {"RCP2.6", (dir_ / "short/orvtar-policy").string(), (dir_ / "short/engines-policy").string()});
  using P = orv::ParameterSet;
  for (const res::GlobalResults& g : results.global) {
    const auto at = [&](const char* variable, P p) { return g.find(variable, p)->at(2050).value_or(NAN); };
    for (P p : {P::Low, P::Mid, P::High, P::User}) {
      const double t = at("temperature", p), m = at("sea_level", p);
      EXPECT_TRUE(std::isfinite(t) && t > 0.1 && t < 3.0) << g.scenario << " " << orv::parameter_set_name(p);
      EXPECT_TRUE(std::isfinite(m) && m > 1.0 && m < 60.0) << g.scenario << " " << orv::parameter_set_name(p);
    }
    EXPECT_LT(at("temperature", P::Low), at("temperature", P::Mid));
    EXPECT_LT(at("temperature", P::Mid), at("temperature", P::High));
  }
  for (const res::RegionalResults& r : results.regional) EXPECT_GT(r.averages.AVT, 0.0) << r.scenario;
  EXPECT_NE(out.find("[7/8] varistat"), std::string::npos) << out;
  EXPECT_NE(out.find("Global-mean change from 1990 to 2050"), std::string::npos) << out;
  // A run to 2050 has no 2081-2100 and says why; every other number is there.
  EXPECT_NE(out.find("The run ends in 2050"), std::string::npos) << out;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);)
    if (line.find("n/a") != std::string::npos) {
      EXPECT_NE(line.find("2081-2100 vs"), std::string::npos) << line;
    }
  EXPECT_EQ(out.find("SYNTHETIC"), std::string::npos) << "a data tree was given: " << out;
}

// The two SSPs analysts use most, by name and nothing else: the summary
// shows the warming of 2081-2100 against 1850-1900 for both, and each
// climate-model run got the SSPs' 1990 SO2.
TEST_F(Chain, AnSSPPairRunsOutOfTheBoxAndShowsTheAssessmentPeriods) {
  std::string out;
  ASSERT_EQ(run("ssp", "[scenarios]\nreference = SSP2-4.5\npolicy = ssp126\n", out), 0) << out;
  EXPECT_EQ(out.find("n/a"), std::string::npos) << out;
  for (const char* scen : {"reference", "policy"}) {
    fs::path o = dir_ / "ssp" / (std::string("orvtar-") + scen);
    EXPECT_NE(slurp(o / "ORVXTRA.CFG").find("   67.0565 ES1990"), std::string::npos) << scen;
    EXPECT_NE(slurp(o / "GAS.EMK").find(scen == std::string("reference") ? "SSP2-4.5" : "SSP1-2.6"),
              std::string::npos);
  }
  // MID warming 2081-2100 vs 1850-1900 of each: SSP2-4.5 warms more.
  auto mid_of = [&](const std::string& name) {
    auto at = out.find("  " + name + " ");
    EXPECT_NE(at, std::string::npos) << out;
    at = out.find("2081-2100 vs 1850-1900 (degC)", at);
    std::istringstream row(out.substr(at + 29));
    double low = 0, mid = 0, high = 0;
    row >> low >> mid >> high;
    EXPECT_LT(low, mid);
    EXPECT_LT(mid, high);
    return mid;
  };
  double ssp245 = mid_of("SSP2-4.5"), ssp126 = mid_of("SSP1-2.6");
  EXPECT_GT(ssp126, 0.5);
  EXPECT_GT(ssp245, ssp126 + 0.3);
  EXPECT_LT(ssp245, 5.0);
  EXPECT_EQ(out.find("emission histories"), std::string::npos) << out;
  std::string readme = slurp(dir_ / "ssp" / "README.txt");
  EXPECT_NE(readme.find("  SSP2-4.5      67.0565 TgS/yr (bundled profile)"), std::string::npos) << readme;
  EXPECT_NE(readme.find("  SSP1-2.6      67.0565 TgS/yr (bundled profile)"), std::string::npos) << readme;
}

TEST_F(Chain, AFailingProgramStopsTheChainWithItsMessage) {
  std::string out;
  // The small tree holds only annual temperature: a JJA run cannot find its files.
  EXPECT_EQ(run("failing", "[orvuser]\nIYEND = 2030\n[orvxtra]\nDT = 1.0\n[engines]\nyear = 2030\nseason = JJA\n",
                out),
            1)
      << out;
  EXPECT_NE(out.find("crossmod failed (exit status 2) in engines-reference:\n"), std::string::npos) << out;
  EXPECT_NE(out.find("no run folder " + (dir_ / "failing").string() + " was made; this attempt is kept in " +
                     (dir_ / "failing.failed").string() + "\n"),
            std::string::npos)
      << out;
  EXPECT_EQ(out.find("[5/7]"), std::string::npos) << out;
  EXPECT_FALSE(fs::exists(dir_ / "failing"));
  EXPECT_FALSE(fs::exists(dir_ / "failing.partial"));
  EXPECT_TRUE(fs::exists(dir_ / "failing.failed/engines-reference/crossmod.log"));
}

// Every file under `dir` by its path relative to it, with its bytes.
std::map<std::string, std::string> snapshot(const fs::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(dir))
    if (e.is_regular_file()) files[fs::relative(e.path(), dir).string()] = slurp(e.path());
  return files;
}

// A run folder is replaced only by a run that succeeded: a failed run
// leaves the earlier one byte for byte as it was and keeps the attempt as
// FOLDER.failed; a run folder can be run again from its own settings.
TEST_F(Chain, ARunFolderIsReplacedWholeOrNotAtAll) {
  // The policy profile by a path relative to the settings file.
  fs::copy_file(std::string(PROJECT_DATA_DIR) + "/GAS-RCP26.EMK", dir_ / "mine.EMK",
                fs::copy_options::overwrite_existing);
  const auto with_policy = [](const std::string& profile) {
    return "[scenarios]\npolicy = " + profile + "\n[orvuser]\nIYEND = 2030\n[orvxtra]\nDT = 1.0\n[engines]\nyear = 2030\n";
  };
  const std::string settings = with_policy("mine.EMK");
  std::string out;
  ASSERT_EQ(run("whole", settings, out), 0) << out;
  const fs::path folder = dir_ / "whole";
  // The run folder's copy names the profile wherever it is read from.
  EXPECT_EQ(slurp(folder / "settings.ini"), with_policy((dir_ / "mine.EMK").string()));
  // Again from the run folder's own settings, into the same folder.
  const fs::path log = dir_ / "again.log";
  const std::string again = "TESSERA_DATA_ROOT=" + tree_.string() + " " + BIN_DIR + "/scenario run " +
                            (folder / "settings.ini").string() + " --out " + folder.string() + " >" + log.string() +
                            " 2>&1";
  ASSERT_EQ(WEXITSTATUS(std::system(again.c_str())), 0) << slurp(log);
  EXPECT_EQ(slurp(folder / "settings.ini"), with_policy((dir_ / "mine.EMK").string()));
  EXPECT_NE(slurp(folder / "results/report.html").find("Run folder " + folder.string() + ","), std::string::npos);
  const std::map<std::string, std::string> before = snapshot(folder);
  ASSERT_GT(before.size(), 50u);

  // A failure inside a program (the small tree has no JJA fields): status 1.
  ASSERT_EQ(run("whole", settings + "season = JJA\n", out), 1) << out;
  EXPECT_NE(out.find("the earlier run folder " + folder.string() + " is unchanged; this attempt is kept in " +
                     folder.string() + ".failed"),
            std::string::npos)
      << out;
  EXPECT_EQ(snapshot(folder), before);
  EXPECT_NE(slurp(dir_ / "whole.failed/settings.ini").find("season = JJA"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir_ / "whole.partial"));

  // A failure found before anything runs (a profile with a letter in a
  // number) touches neither folder.
  std::vector<std::string> lines = testsupport::read_lines(std::string(PROJECT_DATA_DIR) + "/GAS-RCP26.EMK");
  lines[7].replace(12, 4, "x.xx");
  testsupport::write_lines(dir_ / "typo.EMK", lines);
  const auto failed_before = snapshot(dir_ / "whole.failed");
  ASSERT_EQ(run("whole", with_policy("typo.EMK"), out), 2) << out;
  EXPECT_NE(out.find("typo.EMK, record 8: "), std::string::npos) << out;
  EXPECT_EQ(snapshot(folder), before);
  EXPECT_EQ(snapshot(dir_ / "whole.failed"), failed_before);

  // A folder that holds anything a run does not write is never replaced.
  testsupport::write_text(folder / "notes.txt", "mine\n");
  ASSERT_EQ(run("whole", settings, out), 2) << out;
  EXPECT_NE(out.find(folder.string() + ": holds notes.txt, which scenario run does not write"), std::string::npos)
      << out;
  EXPECT_EQ(slurp(folder / "notes.txt"), "mine\n");
}

TEST_F(Chain, BadSettingsStopBeforeAnythingRuns) {
  std::string out;
  EXPECT_EQ(run("bad", "[engines]\nvariable = WIND\n", out), 2) << out;
  EXPECT_NE(out.find("bad.ini, line 2"), std::string::npos) << out;
  EXPECT_FALSE(fs::exists(dir_ / "bad"));
  // A data root that is no folder is found before the climate model runs.
  EXPECT_EQ(run("noroot", "[orvuser]\nIYEND = 2030\n[engines]\nyear = 2030\ndata_root = /nonexistent\n", out), 2)
      << out;
  EXPECT_NE(out.find("noroot.ini, line 5: [engines] data_root = \"/nonexistent\""), std::string::npos) << out;
  EXPECT_EQ(out.find("[1/"), std::string::npos) << out;
  EXPECT_FALSE(fs::exists(dir_ / "noroot"));
  // An empty folder name on the command line.
  const fs::path log = dir_ / "empty-out.log";
  const std::string cmd =
      std::string(BIN_DIR) + "/scenario run " + (dir_ / "bad.ini").string() + " --out '' >" + log.string() + " 2>&1";
  EXPECT_EQ(WEXITSTATUS(std::system(cmd.c_str())), 2);
  EXPECT_EQ(slurp(log).rfind("scenario: run: the folder after --out is empty; expected a name\n", 0), 0u) << slurp(log);
}

}  // namespace
