// The bundled emissions scenarios: the files in data/ agree with the front
// end's table of them, the eight SSPs share their history, and every
// profile runs through the climate model to 2100 and to 2300.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "frontend/bundled_scenarios.h"
#include "frontend/config_writer.h"
#include "frontend/run_settings.h"
#include "frontend/settings_file.h"
#include "support/scratch_dir.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> data_lines(const std::string& file) {
  return testsupport::read_lines(fs::path(PROJECT_DATA_DIR) / file);
}

// Each profile's record 2 names it, and the note in record 5 gives the
// 1990 SO2 its regional changes count from (to three decimals): the table's
// ES1990 must be that value.
TEST(BundledScenarios, FilesCarryTheNameAndES1990OfTheTable) {
  for (const fe::BundledScenario& b : fe::bundled_scenarios()) {
    SCOPED_TRACE(std::string(b.name));
    auto gas = data_lines(fs::path(fe::emissions_file(b, "")).filename().string());
    ASSERT_EQ(gas.size(), 67u);
    EXPECT_EQ(gas[0], "62");
    EXPECT_EQ(gas[1].substr(0, b.name.size()), b.name);
    auto at = gas[4].find("ES1990 = ");
    ASSERT_NE(at, std::string::npos) << gas[4];
    // 67.0565 rounds to 67.056 there (a tie), so allow a little over half a unit.
    EXPECT_NEAR(std::stod(gas[4].substr(at + 9)), std::stod(std::string(b.es1990)), 0.0006);
    EXPECT_EQ(gas[5].substr(0, 6), "  1990");
    EXPECT_EQ(gas[66].substr(0, 6), "  2500");
    auto halos = data_lines(fs::path(fe::halocarbon_file(b, "")).filename().string());
    EXPECT_EQ(halos[0], "  2504 1930");
    EXPECT_EQ(halos.size(), 4u + (2504 - 1930 + 1));
  }
}

// The eight SSPs start from one CMIP6 history: the emission records 1990,
// 2000, 2005, 2010 and 2015 and the halocarbon forcing 1930-2014 are the same
// in all eight files, and they differ from the RCPs' history.
TEST(BundledScenarios, TheEightSSPsShareTheirHistory) {
  const char* tags[] = {"SSP119", "SSP126", "SSP245", "SSP370", "SSP434", "SSP460", "SSP534-OVER", "SSP585"};
  auto first_gas = data_lines(std::string("GAS-") + tags[0] + ".EMK");
  auto first_halos = data_lines(std::string("QHALOS-") + tags[0] + ".IN");
  ASSERT_EQ(first_gas.at(9).substr(0, 6), "  2015");
  ASSERT_EQ(first_halos.at(4 + 2014 - 1930).substr(0, 6), "  2014");
  for (const char* tag : tags) {
    auto gas = data_lines(std::string("GAS-") + tag + ".EMK");
    auto halos = data_lines(std::string("QHALOS-") + tag + ".IN");
    for (std::size_t r = 5; r <= 9; ++r) EXPECT_EQ(gas.at(r), first_gas.at(r)) << tag << " record " << r + 1;
    for (std::size_t r = 4; r <= 4 + 2014 - 1930; ++r)
      EXPECT_EQ(halos.at(r), first_halos.at(r)) << tag << " record " << r + 1;
  }
  // The shared history is the SSPs' own, not the RCPs'.
  EXPECT_NE(first_gas.at(6), data_lines("GAS-RCP45.EMK").at(6));
}

// Reads every number of a display or drive file: all must be finite and
// none overflowed (asterisks) or written as NaN; returns the first number of
// the last row of numbers (its year). Lines with letters are headers.
int check_numbers(const fs::path& file) {
  auto lines = testsupport::read_lines(file);
  EXPECT_GE(lines.size(), 3u) << file;
  int last_year = 0;
  for (const std::string& line : lines) {
    std::string lower;
    for (char c : line) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(lower.find_first_of("*"), std::string::npos) << file << ": " << line;
    EXPECT_EQ(lower.find("nan"), std::string::npos) << file << ": " << line;
    EXPECT_EQ(lower.find("inf"), std::string::npos) << file << ": " << line;
    if (std::any_of(line.begin(), line.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); }))
      continue;
    const char* p = line.c_str();
    char* end = nullptr;
    bool first = true;
    for (double v = std::strtod(p, &end); end != p; v = std::strtod(p, &end)) {
      EXPECT_TRUE(std::isfinite(v)) << file << ": " << line;
      if (first) last_year = static_cast<int>(v);
      first = false;
      p = end;
    }
    EXPECT_EQ(std::string(p).find_first_not_of(' '), std::string::npos) << file << ": " << line;
  }
  return last_year;
}

// Each bundled profile through orvtar as the front end prepares it (its own
// halocarbons and ES1990; one-year steps keep it quick), to 2100 and 2300.
class BundledRun : public ::testing::TestWithParam<fe::BundledScenario> {};

TEST_P(BundledRun, To2100And2300WithFiniteResults) {
  const fe::BundledScenario& b = GetParam();
  for (int IYEND : {2100, 2300}) {
    SCOPED_TRACE(std::string(b.name) + " to " + std::to_string(IYEND));
    testsupport::ScratchDir dir("bundled_run");
    fe::RunSettings rs = fe::validate_settings(
        fe::parse_settings("[scenarios]\nreference = " + std::string(b.name) + "\n[orvuser]\nIYEND = " +
                               std::to_string(IYEND) + "\n[orvxtra]\nDT = 1.0\n",
                           "run.ini"),
        PROJECT_DATA_DIR);
    fe::write_orvtar_configs(rs, rs.reference, dir.path().string());
    fs::copy_file(fs::path(PROJECT_DATA_DIR) / "co2hist.IN", dir.path() / "co2hist.IN");
    fs::copy_file(rs.reference.emk, dir.path() / "GAS.EMK");
    fs::copy_file(rs.reference.qhalos, dir.path() / "QHALOS.IN");
    std::string cmd = "cd '" + dir.path().string() + "' && '" + ORVTAR_EXE + "' > out.txt 2>&1";
    ASSERT_EQ(testsupport::exit_status(cmd), 0) << testsupport::read_text(dir.path() / "out.txt");
    for (const char* f : {"temps.dis", "sealev.dis", "concs.dis", "forcings.dis", "emiss.dis", "middrive.raw",
                          "usrdrive.out"})
      EXPECT_EQ(check_numbers(dir.path() / f), IYEND) << f;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryProfile, BundledRun, ::testing::ValuesIn(fe::bundled_scenarios().begin(),
                                                                       fe::bundled_scenarios().end()),
                         [](const ::testing::TestParamInfo<fe::BundledScenario>& info) {
                           std::string name;
                           for (char c : info.param.file_tag)
                             if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                           return name;
                         });

}  // namespace
