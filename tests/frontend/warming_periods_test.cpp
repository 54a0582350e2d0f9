// The summary's warming over the assessment periods, from a temps.dis
// written here: each parameter set's change grows linearly with the year
// at its own rate, so the period means are known exactly (the mean of
// a (y - 1990) over 2081-2100 is a x 100.5, over 1850-1900 a x -115, over
// 1995-2014 a x 14.5). A window one year off, a period one year too long or
// a wrong column changes the answer.
#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <sstream>
#include <string>
#include <vector>

#include "frontend/run_settings.h"
#include "frontend/settings_file.h"
#include "frontend/summary.h"
#include "frontend/warming_periods.h"
#include "records/record_io.h"
#include "results/global_results.h"
#include "support/scratch_dir.h"

namespace {

using P = orv::ParameterSet;

// The temperature series of temps.dis in `dir`, as the summary reads it.
std::vector<res::Series> read_temps(const std::filesystem::path& dir) {
  return res::read_display_file(dir.string(), res::DisplayFile::Temps);
}

const res::Series& temperature(const std::vector<res::Series>& columns, P p) {
  for (const res::Series& s : columns)
    if (s.variable == "temperature" && s.set == p) return s;
  throw std::runtime_error("no temperature column");
}

// Rates of change, degC per year, of the temps.dis columns.
constexpr double kUser = 0.018, kLow = 0.012, kMid = 0.016, kHigh = 0.022, kNoSO2 = 0.05;

// temps.dis as orvtar writes it: header, "(1X,I4,5F9.3)" rows for the years
// 1765, 1765 + step, ... up to `last`, header again.
void write_temps(const std::filesystem::path& file, int last, int step = 1, int overflow_year = 0) {
  const char* header = " YEAR  TEMUSER    TEMLO   TEMMID    TEMHI TEMNOSO2";
  std::ostringstream out;
  out << header << "\n";
  for (int y = 1765; y <= last; y += step) {
    double d = y - 1990;
    char row[64];
    if (y == overflow_year)
      std::snprintf(row, sizeof row, " %4d*********%9.3f%9.3f%9.3f%9.3f", y, kLow * d, kMid * d, kHigh * d, kNoSO2 * d);
    else
      std::snprintf(row, sizeof row, " %4d%9.3f%9.3f%9.3f%9.3f%9.3f", y, kUser * d, kLow * d, kMid * d, kHigh * d,
                    kNoSO2 * d);
    out << row << "\n";
  }
  out << header << "\n";
  testsupport::write_text(file, out.str());
}

class Periods : public ::testing::Test {
 protected:
  testsupport::ScratchDir dir_{"fe_periods"};
  std::string temps() const { return (dir_.path() / "temps.dis").string(); }
};

TEST_F(Periods, MeansOverTheAssessmentPeriodsOfEachParameterSet) {
  write_temps(temps(), 2300);
  const auto columns = read_temps(dir_.path());
  const std::pair<P, double> rates[] = {{P::Low, kLow}, {P::Mid, kMid}, {P::High, kHigh}, {P::User, kUser}};
  for (auto [p, a] : rates) {
    ASSERT_EQ(temperature(columns, p).years.size(), 2300u - 1765 + 1);
    auto pre = fe::period_warming(temperature(columns, p), fe::kPreindustrial, fe::kLateCentury);
    auto recent = fe::period_warming(temperature(columns, p), fe::kRecentPast, fe::kLateCentury);
    ASSERT_TRUE(pre && recent);
    EXPECT_NEAR(*pre, a * (100.5 + 115), 1e-9);
    EXPECT_NEAR(*recent, a * (100.5 - 14.5), 1e-9);
  }
  EXPECT_EQ(fe::period_label(fe::kPreindustrial, fe::kLateCentury), "2081-2100 vs 1850-1900");
  EXPECT_EQ(fe::period_gap_note(2100, 1), "");
}

TEST_F(Periods, MissingYearsGiveNothingRatherThanASubsample) {
  // A display step of 10 years: rows 1765, 1775, ..., 2095.
  write_temps(temps(), 2100, 10);
  EXPECT_FALSE(fe::period_warming(temperature(read_temps(dir_.path()), P::Mid), fe::kPreindustrial, fe::kLateCentury));
  EXPECT_NE(fe::period_gap_note(2100, 10).find("IDISSTEP = 10"), std::string::npos);
  // A run that ends before 2100 has the recent past but not 2081-2100.
  write_temps(temps(), 2099);
  EXPECT_FALSE(fe::period_warming(temperature(read_temps(dir_.path()), P::Low), fe::kRecentPast, fe::kLateCentury));
  EXPECT_NE(fe::period_gap_note(2099, 1).find("ends in 2099"), std::string::npos);
  // An overflowed field in 1870: no value for that row, so no 1850-1900 mean.
  write_temps(temps(), 2100, 1, 1870);
  const auto columns = read_temps(dir_.path());
  EXPECT_FALSE(fe::period_warming(temperature(columns, P::User), fe::kPreindustrial, fe::kLateCentury));
  EXPECT_TRUE(fe::period_warming(temperature(columns, P::User), fe::kRecentPast, fe::kLateCentury));
  // No file at all: an error naming it.
  std::filesystem::remove(temps());
  EXPECT_THROW(read_temps(dir_.path()), rec::Error);
}

// The summary table shows the period rows under each scenario's warming, in
// the columns LOW, MID, HIGH, USER; then the ES1990 of each scenario and,
// for an RCP/SSP pair, the note that their histories differ.
TEST_F(Periods, TheSummaryShowsThePeriodsTheES1990AndTheMixedHistoryNote) {
  std::filesystem::create_directories(dir_.path() / "ref");
  write_temps(dir_.path() / "ref" / "temps.dis", 2100);
  fe::RunSettings rs = fe::validate_settings(
      fe::parse_settings("[scenarios]\nreference = SSP2-4.5\npolicy = rcp2.6\n", "s.ini"), PROJECT_DATA_DIR);
  // The policy scenario has no series: its cells are n/a.
  fe::RunResults results;
  results.global.push_back({rs.reference.label, (dir_.path() / "ref").string(), 1990, read_temps(dir_.path() / "ref")});
  results.global.push_back({rs.policy.label, (dir_.path() / "pol").string(), 1990, {}});
  std::ostringstream out;
  fe::print_summary(rs, results, fe::DataTree{}, out);
  const std::string s = out.str();
  // 0.012 x 215.5 = 2.586, 0.016 x 215.5 = 3.448, 0.022 x 215.5 = 4.741,
  // 0.018 x 215.5 = 3.879; and x 86: 1.032, 1.376, 1.892, 1.548.
  EXPECT_NE(s.find("  SSP2-4.5      warming (degC)                     1.32    1.76    2.42    1.98\n"
                   "                2081-2100 vs 1850-1900 (degC)      2.59    3.45    4.74    3.88\n"
                   "                2081-2100 vs 1995-2014 (degC)      1.03    1.38    1.89    1.55\n"),
            std::string::npos)
      << s;
  EXPECT_NE(s.find("  RCP2.6        warming (degC)                      n/a     n/a     n/a     n/a\n"
                   "                2081-2100 vs 1850-1900 (degC)       n/a     n/a     n/a     n/a\n"),
            std::string::npos)
      << s;
  EXPECT_NE(s.find("  SSP2-4.5      67.0565 TgS/yr (bundled profile)\n"
                   "  RCP2.6        63.968 TgS/yr (bundled profile)\n"),
            std::string::npos)
      << s;
  EXPECT_NE(s.find("NOTE: SSP2-4.5 (CMIP6 SSP) and RCP2.6 (CMIP5 RCP) start from different emission histories"),
            std::string::npos)
      << s;

  fe::RunSettings same = fe::validate_settings(
      fe::parse_settings("[scenarios]\nreference = SSP2-4.5\npolicy = SSP1-2.6\n", "s.ini"), PROJECT_DATA_DIR);
  std::ostringstream out2;
  fe::print_summary(same, results, fe::DataTree{}, out2);
  EXPECT_EQ(out2.str().find("emission histories"), std::string::npos) << out2.str();
}

// One parameter set's column holding NaN (a simulation that went wrong)
// leaves the other sets' numbers in the summary: each column is read on its
// own.
TEST_F(Periods, ANaNInOneSetsColumnLeavesTheOtherSetsNumbers) {
  std::filesystem::create_directories(dir_.path() / "ref");
  const std::filesystem::path file = dir_.path() / "ref" / "temps.dis";
  write_temps(file, 2100);
  std::vector<std::string> lines = testsupport::read_lines(file);
  for (std::string& line : lines)
    if (line.starts_with(" 2100") || line.starts_with(" 2090")) line.replace(5, 9, "      NaN");
  testsupport::write_lines(file, lines);
  fe::RunSettings rs = fe::validate_settings(fe::parse_settings("", "s.ini"), PROJECT_DATA_DIR);
  fe::RunResults results;
  results.global.push_back({rs.reference.label, (dir_.path() / "ref").string(), 1990, read_temps(dir_.path() / "ref")});
  std::ostringstream out;
  fe::print_summary(rs, results, fe::DataTree{}, out);
  // 0.012 x 110 = 1.32, 0.016 x 110 = 1.76, 0.022 x 110 = 2.42; USER has no 2100.
  EXPECT_NE(out.str().find("  RCP4.5        warming (degC)                     1.32    1.76    2.42     n/a\n"
                           "                2081-2100 vs 1850-1900 (degC)      2.59    3.45    4.74     n/a\n"),
            std::string::npos)
      << out.str();
}

}  // namespace
