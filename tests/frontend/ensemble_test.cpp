// `scenario ensemble` end to end on a small ensemble (20 members, one time
// step a year): its files, figure and summary; the same files whatever the
// number of threads; percentiles.csv agreeing with members.csv; the
// warning of a small effective sample size; and bad settings refused with
// the file, the line and the accepted values, status 2 and no result files.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path& p) {
  std::ifstream in(p);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::vector<std::string> split(const std::string& line, char sep = ',') {
  std::vector<std::string> f;
  std::istringstream in(line);
  for (std::string x; std::getline(in, x, sep);) f.push_back(x);
  return f;
}

// The data rows of a CSV file: after the '#' lines and the header.
std::vector<std::vector<std::string>> rows(const fs::path& p, std::vector<std::string>& header) {
  std::ifstream in(p);
  std::vector<std::vector<std::string>> out;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    if (header.empty()) header = split(line);
    else out.push_back(split(line));
  }
  return out;
}

// Hyndman and Fan's definition 5 of the sample quantile.
double quantile(std::vector<double> x, double p) {
  std::sort(x.begin(), x.end());
  const double h = static_cast<double>(x.size()) * p + 0.5;
  if (h <= 1) return x.front();
  if (h >= static_cast<double>(x.size())) return x.back();
  const auto i = static_cast<std::size_t>(std::floor(h));
  return x[i - 1] + (h - std::floor(h)) * (x[i] - x[i - 1]);
}

class Ensemble : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = fs::temp_directory_path() / ("fe_ensemble_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  static void TearDownTestSuite() { fs::remove_all(dir_); }

  // Runs `scenario ensemble` on the settings text; returns the exit status.
  static int run(const std::string& name, const std::string& settings, std::string& output,
                 const std::string& options = "") {
    const fs::path ini = dir_ / (name + ".ini");
    std::ofstream(ini) << settings;
    const fs::path log = dir_ / (name + ".log");
    const std::string cmd = std::string(BIN_DIR) + "/scenario ensemble " + ini.string() + " --out " +
                            (dir_ / name).string() + " " + options + " >" + log.string() + " 2>&1";
    const int status = std::system(cmd.c_str());
    output = slurp(log);
    return WEXITSTATUS(status);
  }

  static inline const std::string small = "[orvxtra]\nDT = 1.0\n[ensemble]\nmembers = 20\nseed = 5\n";
  static inline fs::path dir_;
};

TEST_F(Ensemble, SmallEnsembleWritesItsFilesFigureAndSummary) {
  std::string out;
  ASSERT_EQ(run("small", small, out, "--threads 2"), 0) << out;
  const fs::path e = dir_ / "small" / "ensemble";
  for (const char* f :
       {"percentiles.csv", "members.csv", "ensemble.gp", "ensemble.png", "ensemble.svg", "README.txt", "settings.ini"})
    EXPECT_TRUE(fs::exists(e / f)) << f;
  EXPECT_EQ(slurp(e / "ensemble.png").substr(1, 3), "PNG");
  EXPECT_NE(slurp(e / "ensemble.svg").find("<svg"), std::string::npos);

  // The summary: both scenarios, constrained and unconstrained ranges.
  for (const char* s :
       {"  RCP4.5\n", "  RCP2.6\n", "unconstrained", "constrained", "warming 2081-2100 vs 1850-1900 (degC)",
        "P(warming 2100 > 1.5 / 2 / 3 degC)", "effective sample size"})
    EXPECT_NE(out.find(s), std::string::npos) << s << "\n" << out;

  // members.csv: 20 members of each scenario, weights summing to 1.
  std::vector<std::string> mh;
  const auto members = rows(e / "members.csv", mh);
  ASSERT_EQ(members.size(), 40u);
  const auto col = [&](const std::vector<std::string>& h, const std::string& name) {
    return static_cast<std::size_t>(std::find(h.begin(), h.end(), name) - h.begin());
  };
  ASSERT_LT(col(mh, "DT2XUSER"), mh.size());
  ASSERT_LT(col(mh, "warming_2100"), mh.size());
  std::map<std::string, double> weight_sum;
  std::map<std::string, std::vector<double>> warming;
  for (const auto& r : members) {
    weight_sum[r[0]] += std::stod(r[col(mh, "weight")]);
    warming[r[0]].push_back(std::stod(r[col(mh, "warming_2100")]));
  }
  for (const auto& [scen, w] : weight_sum) EXPECT_NEAR(w, 1.0, 1e-5) << scen;

  // percentiles.csv: four variables, 1765-2100, two weightings, per
  // scenario; the unconstrained warming of 2100 is the members'.
  std::vector<std::string> ph;
  const auto pct = rows(e / "percentiles.csv", ph);
  EXPECT_EQ(ph, split("scenario,variable,unit,year,weighting,p05,p17,p50,p83,p95"));
  EXPECT_EQ(pct.size(), 2u * 4u * 336u * 2u);
  int checked = 0;
  for (const auto& r : pct) {
    if (r[1] != "temperature" || r[3] != "2100" || r[4] != "unconstrained") continue;
    EXPECT_EQ(r[2], "degC");
    const double points[] = {0.05, 0.17, 0.50, 0.83, 0.95};
    for (std::size_t i = 0; i < 5; ++i)
      EXPECT_NEAR(std::stod(r[5 + i]), quantile(warming[r[0]], points[i]), 0.0011) << r[0] << " p" << points[i];
    ++checked;
  }
  EXPECT_EQ(checked, 2);
}

TEST_F(Ensemble, TheFilesAreTheSameWhateverTheNumberOfThreads) {
  std::string out;
  ASSERT_EQ(run("one_thread", small + "scenarios = policy\n", out, "--threads 1"), 0) << out;
  ASSERT_EQ(run("three_threads", small + "scenarios = policy\n", out, "--threads 3"), 0) << out;
  for (const char* f : {"percentiles.csv", "members.csv"})
    EXPECT_EQ(slurp(dir_ / "one_thread" / "ensemble" / f), slurp(dir_ / "three_threads" / "ensemble" / f)) << f;
  EXPECT_EQ(out.find("RCP4.5"), std::string::npos) << out;
}

TEST_F(Ensemble, ANarrowObservationWarnsOfASmallEffectiveSampleSize) {
  std::string out;
  ASSERT_EQ(run("narrow", small + "scenarios = reference\nobserved_likely_range = 1.085 1.095\n", out), 0) << out;
  EXPECT_NE(out.find("WARNING: the constraint leaves an effective sample size below 10 % of the members"),
            std::string::npos)
      << out;
}

TEST_F(Ensemble, BadSettingsNameTheLineAndTheAcceptedValues) {
  struct Case {
    std::string entry, expected;
  };
  const Case cases[] = {
      {"members = 0", "[ensemble] members = \"0\": expected a whole number of members from 1"},
      {"CLIMATE = uniform 1 2", "[ensemble] CLIMATE = \"uniform 1 2\": expected members, seed"},
      {"XK = gamma 1 2", "[ensemble] XK = \"gamma 1 2\": expected a distribution: uniform LOW HIGH"},
      {"XK = uniform 2 1", "[ensemble] XK = \"uniform 2 1\": expected uniform LOW HIGH with numbers LOW < HIGH"},
      {"DT2XUSER = uniform 1 30", "within the accepted values of DT2XUSER, a number from 0.1 to 20"},
      {"IUSERICE = uniform 1 3", "expected choice V1 V2 ... [weights W1 W2 ...] for the integer item IUSERICE"},
      {"IYEND = choice 2100 2200", "IYEND cannot take a distribution"},
      {"observed_likely_range = 1.2 1.3", "expected a range around the observed warming 1.09 degC"},
  };
  for (const Case& c : cases) {
    std::string out;
    const std::string settings = "[ensemble]\nseed = 3\n" + c.entry + "\n";
    EXPECT_EQ(run("bad", settings, out), 2) << c.entry << "\n" << out;
    EXPECT_NE(out.find("bad.ini, line 3: "), std::string::npos) << c.entry << "\n" << out;
    EXPECT_NE(out.find(c.expected), std::string::npos) << c.entry << "\n" << out;
    EXPECT_FALSE(fs::exists(dir_ / "bad" / "ensemble" / "percentiles.csv")) << c.entry;
  }
}

TEST_F(Ensemble, AMemberTheModelRefusesStopsTheRunBeforeAnyMemberRuns) {
  std::string out;
  // With a CH4 lifetime half-range of 5 yr, a member lifetime of 5 yr or
  // less leaves a LOW lifetime of 0 or below.
  EXPECT_EQ(run("refused", "[orvgas]\nDTAUCH4 = 5\n[ensemble]\nmembers = 20\nTAUCH4M = uniform 3 13\n", out), 2) << out;
  EXPECT_NE(out.find("refused.ini, line 2: [ensemble] member "), std::string::npos) << out;
  EXPECT_NE(out.find("is refused by the climate model: DTAUCH4 = 5"), std::string::npos) << out;
  EXPECT_EQ(out.find("members on"), std::string::npos) << out;
  EXPECT_FALSE(fs::exists(dir_ / "refused" / "ensemble" / "members.csv"));
}

}  // namespace
