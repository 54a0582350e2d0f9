// The plausible values of the input series: every bundled file passes,
// values above, below and beside each file's ranges are refused with the
// file, record, column, value and range named, and a whole run ends with
// status 2 on them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "orvtar/control/emissions.h"
#include "orvtar/control/input_bounds.h"
#include "orvtar/control/inputs.h"
#include "orvtar_run.h"
#include "startup_dir.h"

namespace {

namespace fs = std::filesystem;
using orvtest::error_of;
using orvtest::fresh_state;
using orvtest::read_config;
using orvtest::RunDir;
using ::testing::HasSubstr;
using ::testing::StartsWith;

// Record n (from 1) of a file with the ten columns from `first` (from 1)
// replaced by `field`, right-justified.
void put_field(const orvtest::InputDir& dir, const std::string& file, int n, int first, const std::string& field) {
  std::vector<std::string> rec = dir.lines(file);
  std::string& r = rec.at(static_cast<std::size_t>(n - 1));
  if (r.size() < static_cast<std::size_t>(first + 9)) r.resize(static_cast<std::size_t>(first + 9), ' ');
  r.replace(static_cast<std::size_t>(first - 1), 10, std::string(10 - field.size(), ' ') + field);
  std::string text;
  for (const auto& l : rec) text += l + '\n';
  dir.write(file, text);
}

std::vector<fs::path> bundled(const std::string& prefix) {
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(PROJECT_DATA_DIR))
    if (e.path().filename().string().starts_with(prefix)) files.push_back(e.path());
  for (const auto& set : fs::directory_iterator(fs::path(TEST_DATA_DIR) / "orvtar"))
    for (const auto& e : fs::directory_iterator(set.path()))
      if (e.path().filename().string().starts_with(prefix)) files.push_back(e.path());
  return files;
}

TEST(InputBounds, EveryBundledInputPasses) {
  RunDir dir;
  const std::vector<fs::path> profiles = bundled("GAS");
  ASSERT_EQ(profiles.size(), 12u + 3u);
  for (const fs::path& p : profiles) {
    SCOPED_TRACE(p.string());
    auto run = fresh_state();
    read_config(*run);
    // The profile's own 1990 SO2 emission, as the front end writes it.
    if (p.filename().string().starts_with("GAS-SSP")) run->ES1990 = 67.0565f;
    EXPECT_NO_THROW(orv::build_emissions(*run, orv::read_gasemk(p.string())));
  }
  const std::vector<fs::path> halos = bundled("QHALOS");
  ASSERT_EQ(halos.size(), 12u + 3u);
  for (const fs::path& p : halos) {
    SCOPED_TRACE(p.string());
    EXPECT_NO_THROW(orv::read_qhalos(1, 2504, p.string()));
    EXPECT_NO_THROW(orv::read_qhalos(2, 2504, p.string()));
  }
  const std::vector<fs::path> histories = bundled("co2hist");
  ASSERT_EQ(histories.size(), 1u + 3u);
  for (const fs::path& p : histories) EXPECT_NO_THROW(orv::read_co2hist(p.string())) << p;
  const fs::path e2e = fs::path(TEST_DATA_DIR) / "orvtar" / "e2e";
  EXPECT_NO_THROW(orv::read_co2input(2504, (e2e / "co2input.dat").string()));
  EXPECT_NO_THROW(orv::read_qextra((e2e / "qextra.in").string()));
}

TEST(InputBounds, ValueCheckNamesColumnRangeAndReasonAndRefusesNonFiniteValues) {
  const orv::InputTable& gas = orv::gasemk_table();
  EXPECT_EQ(error_of([&] { orv::check_input_value("GAS.EMK", 7, gas, 4, 50.0f); }), "(accepted)");
  EXPECT_EQ(error_of([&] { orv::check_input_value("GAS.EMK", 7, gas, 4, 0.0f); }), "(accepted)");
  EXPECT_THAT(error_of([&] { orv::check_input_value("GAS.EMK", 7, gas, 4, 150.0f); }),
              StartsWith("GAS.EMK, record 7: N2O (columns 37-46) = 150 TgN/yr; expected 0 to 50 TgN/yr: "
                         "anthropogenic sources are not negative"));
  const float bad[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                       -std::numeric_limits<float>::infinity()};
  for (float v : bad) {
    SCOPED_TRACE(v);
    EXPECT_THAT(error_of([&] { orv::check_input_value("my.EMK", 9, gas, 1, v); }),
                HasSubstr("my.EMK, record 9: fossil CO2 (columns 7-16) = "));
    EXPECT_THAT(error_of([&] { orv::check_input_value("q.in", 3, orv::qextra_table(), 4, v); }),
                HasSubstr("q.in, record 3: extra forcing (columns 37-46) = "));
  }
}

TEST(InputBounds, EmissionsProfileRefusesImplausibleValues) {
  RunDir dir;
  // Record 7 is the year 2000; N2O stands in columns 37-46, CO2 in 7-16.
  const struct {
    int first;
    std::string field, message;
  } cases[] = {
      {37, "150.0", "GAS.EMK, record 7: N2O (columns 37-46) = 150 TgN/yr; expected 0 to 50 TgN/yr: "},
      {37, "-0.5", "GAS.EMK, record 7: N2O (columns 37-46) = -0.5 TgN/yr; expected 0 to 50 TgN/yr: "},
      {7, "1e30", "GAS.EMK, record 7: fossil CO2 (columns 7-16) = 1e+30 GtC/yr; expected -50 to 100 GtC/yr: "},
      {7, "-51.0", "GAS.EMK, record 7: fossil CO2 (columns 7-16) = -51 GtC/yr; expected -50 to 100 GtC/yr: "},
      {177, "201.", "GAS.EMK, record 7: SF6 (columns 177-186) = 201 kt/yr; expected 0 to 200 kt/yr: "},
      {77, "-80.01", "SO2 region 1 change from 1990 (columns 77-86) = -80.01 TgS/yr; expected -80 to 200 TgS/yr"},
      {37, "NaN", "GAS.EMK, record 7: columns 37-46 (F10.0): expected a number, found \"       NaN\""},
  };
  const std::string original = dir.text("GAS.EMK");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.field);
    dir.write("GAS.EMK", original);
    put_field(dir, "GAS.EMK", 7, c.first, c.field);
    EXPECT_THAT(error_of([] { orv::read_gasemk(); }), HasSubstr(c.message));
  }
}

TEST(InputBounds, EmissionsProfileRefusesNegativeWholeSources) {
  RunDir dir;
  const std::string original = dir.text("GAS.EMK");
  auto build = [] {
    auto s = fresh_state();
    read_config(*s);
    orv::build_emissions(*s, orv::read_gasemk());
  };
  EXPECT_EQ(error_of(build), "(accepted)");
  // An N2O emission of 30 TgN/yr in 2000 sets the natural source that
  // closes the budget to 16.35 - 30 TgN/yr, which the 7.59 TgN/yr of 1990
  // cannot make up; with the emissions of the bundled profile after 2000 the
  // N2O burden would fall through zero in 2144.
  put_field(dir, "GAS.EMK", 7, 37, "30.0");
  EXPECT_THAT(error_of(build), HasSubstr("GAS.EMK, record 6: the N2O source of 1990, the profile's 7.5857 TgN/yr "
                                         "plus the budget offset -13.648 TgN/yr"));
  EXPECT_THAT(error_of(build), HasSubstr("is -6.0623 TgN/yr; expected 0 or more"));

  dir.write("GAS.EMK", original);
  put_field(dir, "GAS.EMK", 7, 27, "1000.0");
  EXPECT_THAT(error_of(build), HasSubstr("GAS.EMK, record 6: the CH4 source of 1990, the profile's 340.63 TgCH4/yr"));

  // A profile of the other family with the default 1990 SO2 emission.
  dir.write("GAS.EMK", original);
  fs::copy_file(fs::path(PROJECT_DATA_DIR) / "GAS-SSP119.EMK", dir.path() / "GAS.EMK",
                fs::copy_options::overwrite_existing);
  EXPECT_THAT(error_of(build), HasSubstr("the global SO2 emission of "));
  EXPECT_THAT(error_of(build), HasSubstr("ES1990 = 63.968 TgS/yr (ORVXTRA.CFG) plus the three regional changes, is -"));
}

TEST(InputBounds, Co2HistoryRefusesImplausibleValues) {
  RunDir dir;
  const struct {
    int first;
    std::string field, message;
  } cases[] = {
      {7, "5001.0", "co2hist.IN, record 5: CO2 (columns 7-16) = 5001 ppm; expected 100 to 5000 ppm: "},
      {7, "99.9", "co2hist.IN, record 5: CO2 (columns 7-16) = 99.9 ppm; expected 100 to 5000 ppm: "},
      {17, "-1e30",
       "co2hist.IN, record 5: tropospheric-ozone shape (columns 17-26) = -1e+30 W/m**2; expected -20 "
       "to 20 W/m**2: "},
      {7, "inf", "co2hist.IN, record 5: columns 7-16 (F10.0): expected a number"},
  };
  const std::string original = dir.text("co2hist.IN");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.field);
    dir.write("co2hist.IN", original);
    put_field(dir, "co2hist.IN", 5, c.first, c.field);
    EXPECT_THAT(error_of([] { orv::read_co2hist(); }), HasSubstr(c.message));
  }
}

TEST(InputBounds, HalocarbonForcingRefusesImplausibleValuesInTheColumnsRead) {
  RunDir dir;
  const std::string original = dir.text("QHALOS.IN");
  // Record 5 is 1930. Columns 3 and 4 are read unless IHALO = 2, 5 and 6
  // only then.
  const struct {
    int ihalo, first;
    std::string field, message;
  } cases[] = {
      {1, 7, "1e30", "QHALOS.IN, record 5: MONTDIR (columns 7-16) = 1e+30 W/m**2; expected -5 to 5 W/m**2: "},
      {1, 17, "-5.5", "QHALOS.IN, record 5: STRATO3 (columns 17-26) = -5.5 W/m**2; expected -5 to 5 W/m**2: "},
      {1, 37, "6", "QHALOS.IN, record 5: other halocarbons (to zero) (columns 37-46) = 6 W/m**2"},
      {2, 37, "6", "(accepted)"},
      {2, 57, "6", "QHALOS.IN, record 5: other halocarbons (constant) (columns 57-66) = 6 W/m**2"},
      {1, 57, "6", "(accepted)"},
      {1, 27, "nan", "QHALOS.IN, record 5: columns 27-36 (F10.0): expected a number"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.field + " in column " + std::to_string(c.first) + ", IHALO " + std::to_string(c.ihalo));
    dir.write("QHALOS.IN", original);
    put_field(dir, "QHALOS.IN", 5, c.first, c.field);
    const std::string error = error_of([&] { orv::read_qhalos(c.ihalo, 2100); });
    if (c.message == "(accepted)") EXPECT_EQ(error, c.message);
    else EXPECT_THAT(error, HasSubstr(c.message));
  }
}

TEST(InputBounds, PrescribedCo2RefusesImplausibleValuesInEveryRecord) {
  RunDir dir;
  const std::string head = " 1993\n 1990     354.0\n 1991     355.0\n";
  const struct {
    std::string last, message;
  } cases[] = {
      {"1e-45", "co2.dat, record 4: CO2 (columns 7-16) = 1.4013e-45 ppm; expected 100 to 5000 ppm: "},
      {"99.", "co2.dat, record 4: CO2 (columns 7-16) = 99 ppm; expected 100 to 5000 ppm: "},
      {"5e3", "(accepted)"},
      {"5000.1", "co2.dat, record 4: CO2 (columns 7-16) = 5000.1 ppm; expected 100 to 5000 ppm: "},
      {"-Infinity", "co2.dat, record 4: columns 7-16 (F10.0): expected a number"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.last);
    // The bad year, 1992, lies after the run's end: it is refused all the
    // same.
    dir.write("co2.dat", head + " 1992" + std::string(10 - c.last.size(), ' ') + c.last + "\n 1993     357.0\n");
    const std::string error = error_of([] { orv::read_co2input(1991, "co2.dat"); });
    if (c.message == "(accepted)") EXPECT_EQ(error, c.message);
    else EXPECT_THAT(error, HasSubstr(c.message));
  }
}

TEST(InputBounds, ExtraForcingRefusesImplausibleValuesInEveryColumn) {
  RunDir dir;
  const struct {
    std::string text, message;
  } cases[] = {
      {"    1\n  1990 1991\n  1990       1.0\n  1991      1e30\n",
       "q.in, record 4: extra forcing (columns 7-16) = 1e+30 W/m**2; expected -20 to 20 W/m**2: "},
      {"    2\n  1990 1990\n  1990       1.0     -20.5\n",
       "q.in, record 3: extra forcing (columns 17-26) = -20.5 W/m**2; expected -20 to 20 W/m**2: "},
      {"    4\n  1760 1765\n  1760       0.0       0.0       0.0      21.0\n",
       "q.in, record 3: extra forcing (columns 37-46) = 21 W/m**2"},
      {"    4\n  1765 1765\n  1765      20.0     -20.0       0.0       0.0\n", "(accepted)"},
      {"    1\n  1990 1990\n  1990       NaN\n", "q.in, record 3: columns 7-16 (F10.0): expected a number"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    dir.write("q.in", c.text);
    const std::string error = error_of([] { orv::read_qextra("q.in"); });
    if (c.message == "(accepted)") EXPECT_EQ(error, c.message);
    else EXPECT_THAT(error, HasSubstr(c.message));
  }
}

// The examples of implausible input that used to end a run with status 0
// and NaN in its outputs.
TEST(InputBounds, ImplausibleInputEndsTheRunWithStatusTwo) {
  const struct {
    std::string file;
    int record, first;
    std::string field;
    int mod_record;  // the ORVMOD.CFG switch that reads the file, or 0
    std::string message;
  } cases[] = {
      {"GAS.EMK", 7, 37, "150.0", 0, "orvtar: GAS.EMK, record 7: N2O (columns 37-46) = 150 TgN/yr"},
      {"co2input.dat", 3, 7, "1e-45", 11, "orvtar: co2input.dat, record 3: CO2 (columns 7-16) = 1.4013e-45 ppm"},
      {"QHALOS.IN", 80, 7, "1e30", 0, "orvtar: QHALOS.IN, record 80: MONTDIR (columns 7-16) = 1e+30 W/m**2"},
      {"qextra.in", 4, 7, "1e30", 13, "orvtar: qextra.in, record 4: extra forcing (columns 7-16) = 1e+30 W/m**2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    e2e::OrvtarRun run;
    put_field(run, c.file, c.record, c.first, c.field);
    if (c.mod_record != 0) run.set("ORVMOD.CFG", c.mod_record, 1);
    EXPECT_EQ(run.run(), 2);
    EXPECT_THAT(run.text("stderr.txt"), StartsWith(c.message));
  }
}

}  // namespace
