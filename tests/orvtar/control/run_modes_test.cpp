// Whole runs of orvtar in its three run modes: which files appear, which
// stores stay zero, how the display and drive files agree with the report
// and with each other, and reproducible output.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "orvtar_run.h"

namespace {

using e2e::OrvtarRun;

const std::vector<std::string> DISPLAY = {"concs.dis", "forcings.dis", "temps.dis", "sealev.dis",
                                          "emiss.dis"};
const std::vector<std::string> DRIVE = {"lodrive.raw", "lodrive.out", "middrive.raw", "middrive.out",
                                        "hidrive.raw", "hidrive.out", "usrdrive.raw", "usrdrive.out"};

int count_simulations(const OrvtarRun& r) {
  int n = 0;
  for (const auto& l : r.lines("ORV.OUT"))
    if (l.rfind(" NSIM =", 0) == 0) ++n;
  return n;
}

// Rows of a display file between its header and the repeated header.
std::vector<std::string> display_rows(const OrvtarRun& r, const std::string& file) {
  const auto lines = r.lines(file);
  EXPECT_GE(lines.size(), 2u) << file;
  EXPECT_EQ(lines.front(), lines.back()) << file << ": header not repeated at the end";
  return std::vector<std::string>(lines.begin() + 1, lines.end() - 1);
}

// The row of a display or drive table for `year`.
std::string row_of(const std::vector<std::string>& rows, int year) {
  for (const auto& row : rows)
    if (e2e::field(row, 0) == std::to_string(year)) return row;
  ADD_FAILURE() << "no row for " << year;
  return "";
}

// Columns of the temperature table in layout 1: "(1X,I5,F8.4,F7.3,F7.4,6F7.2,...".
double table_temp(const std::string& row) { return e2e::column(row, 21, 7); }
double table_msltot(const std::string& row) { return e2e::column(row, 63, 7); }

// The row of the temperature table for `year`.
std::string table_row(const std::vector<std::string>& rows, int year) {
  for (const auto& row : rows)
    if (std::stoi(row.substr(1, 5)) == year) return row;
  ADD_FAILURE() << "no table row for " << year;
  return std::string(100, '0');
}

// Rows of the temperature and sea-level table of simulation `nsim`.
std::vector<std::string> temperature_rows(const OrvtarRun& r, int nsim) {
  const auto lines = r.lines("ORV.OUT");
  const auto heads = e2e::find_all(
      lines, "  YEAR  DELTAQ   TEQU   TEMP   EXPN   GLAC GREENL  ANTAR Z-XTRA MSLTOT   TNH   TSH   WNH   WSH  YEAR");
  EXPECT_GE(heads.size(), static_cast<std::size_t>(2 * nsim));
  auto rows = e2e::table_after(lines, heads.at(static_cast<std::size_t>(2 * (nsim - 1))));
  rows.erase(rows.begin());  // the TO1990 line
  return rows;
}

TEST(OrvtarRunModes, FourSimulationsWriteReportAndDisplayFilesButNoDriveFiles) {
  OrvtarRun r;
  r.set("ORVRUN.CFG", 1, 0);
  r.write("lodrive.raw", "kept\n");  // an old drive file stays as it is
  ASSERT_EQ(r.run(), 0) << r.text("stderr.txt");

  EXPECT_EQ(count_simulations(r), 4);
  for (const auto& f : DISPLAY) EXPECT_TRUE(r.exists(f)) << f;
  EXPECT_EQ(r.text("lodrive.raw"), "kept\n");
  for (const auto& f : DRIVE) {
    if (f != "lodrive.raw") {
      EXPECT_FALSE(r.exists(f)) << f;
    }
  }

  // No simulation with constant SO2: TEMNOSO2 is zero; the four parameter
  // sets warm in the order of their sensitivities (1.5, 2.6, 4.5, user 3.0).
  const auto temps = display_rows(r, "temps.dis");
  for (const auto& row : temps) EXPECT_EQ(e2e::field(row, 5), "0.000") << row;
  const std::string y2100 = row_of(temps, 2100);
  const double user = e2e::number(y2100, 1), lo = e2e::number(y2100, 2),
               mid = e2e::number(y2100, 3), hi = e2e::number(y2100, 4);
  EXPECT_LT(lo, mid);
  EXPECT_LT(mid, user);
  EXPECT_LT(user, hi);
}

TEST(OrvtarRunModes, TwentySimulationsWriteDriveFilesThatAgreeWithTheOtherOutputs) {
  OrvtarRun r;
  r.set("ORVUSER.CFG", 9, 1765);  // every year in the temperature tables
  r.set("ORVUSER.CFG", 11, 1);
  ASSERT_EQ(r.run(), 0) << r.text("stderr.txt");

  EXPECT_EQ(count_simulations(r), 20);
  for (const auto& f : DISPLAY) EXPECT_TRUE(r.exists(f)) << f;
  for (const auto& f : DRIVE) EXPECT_TRUE(r.exists(f)) << f;

  // Four parameter sets (sensitivities 1.5, 2.6, 4.5, user 3.0) under each
  // of the five SO2 cases in turn.
  const std::vector<std::string> so2 = {" FULL GLOBAL SO2 EMISSIONS", " SO2 EMISSIONS CONSTANT AFTER 1990",
                                        " REGION 1 SO2 EMISSIONS", " REGION 2 SO2 EMISSIONS",
                                        " REGION 3 SO2 EMISSIONS"};
  const std::vector<std::string> dt2x = {"1.500", "2.600", "4.500", "3.000"};
  const auto report = r.lines("ORV.OUT");
  int nsim = 0;
  for (std::size_t n = 0; n + 1 < report.size(); ++n) {
    if (report[n].rfind(" NSIM =", 0) != 0) continue;
    ++nsim;
    char expected[64];
    std::snprintf(expected, sizeof expected, " NSIM =%3d : DELT(2XCO2) = %sDEGC", nsim,
                  dt2x[static_cast<std::size_t>((nsim - 1) % 4)].c_str());
    EXPECT_EQ(report[n], expected);
    EXPECT_EQ(report[n + 1], so2[static_cast<std::size_t>((nsim - 1) / 4)]) << nsim;
  }

  const auto temps = display_rows(r, "temps.dis");
  const std::vector<std::string> stems = {"lodrive", "middrive", "hidrive", "usrdrive"};
  const std::vector<std::string> names = {"LOW", "MID", "HIGH", "USER"};
  for (std::size_t p = 0; p < 4; ++p) {
    const auto raw = r.lines(stems[p] + ".raw");
    const auto out = r.lines(stems[p] + ".out");
    ASSERT_EQ(raw.size(), out.size());
    ASSERT_EQ(raw.size(), 6u + (2100 - 1960));
    EXPECT_EQ(raw[0], " PROFILE: RCP4.5              ");
    EXPECT_EQ(raw[2], " " + names[p] + " CLIMATE MODEL PARAMETERS");
    EXPECT_EQ(raw[4], "  YEAR       GHG     ESO21     ESO22     ESO23       SUM");
    EXPECT_EQ(e2e::years({raw.begin() + 6, raw.end()}), e2e::every(1961, 2100, 1));

    // REF T is the mean 1981-2000 warming since 1765 of the parameter set
    // as the last simulation with that set (SO2 of region 3) leaves it.
    const auto last = temperature_rows(r, 17 + static_cast<int>(p));
    double mean = 0;
    for (int y = 1981; y <= 2000; ++y)
      mean += table_temp(table_row(last, y)) - table_temp(table_row(last, 1765));
    EXPECT_NEAR(e2e::number(raw[5], 2), mean / 20, 0.0002) << stems[p];

    for (std::size_t n = 6; n < raw.size(); ++n) {
      // Same year, GHG and SUM in both files; the regional columns differ
      // only by the smoothed ratio.
      EXPECT_EQ(e2e::field(raw[n], 0), e2e::field(out[n], 0));
      EXPECT_EQ(e2e::field(raw[n], 1), e2e::field(out[n], 1)) << raw[n] << " | " << out[n];
      EXPECT_EQ(e2e::field(raw[n], 5), e2e::field(out[n], 5)) << raw[n] << " | " << out[n];
      // SUM is the full-SO2 warming since 1990: the temps.dis column of the
      // parameter set (changes from IREFYR = 1990).
      const int year = std::stoi(e2e::field(raw[n], 0));
      EXPECT_NEAR(e2e::number(raw[n], 5), e2e::number(row_of(temps, year), p == 3 ? 1 : p + 2), 0.0006)
          << stems[p] << " " << year;
    }
    EXPECT_EQ(e2e::number(row_of({raw.begin() + 6, raw.end()}, 1990), 1), 0.0);
  }

  // GHG of the MID drive file is simulation 6 (MID, SO2 constant after
  // 1990), which is also TEMNOSO2; GHG of the LOW file is simulation 5.
  const auto mid_raw = r.lines("middrive.raw");
  const auto low_raw = r.lines("lodrive.raw");
  const auto sim5 = temperature_rows(r, 5);
  for (int year : {1961, 1990, 2000, 2050, 2100}) {
    EXPECT_NEAR(e2e::number(row_of(mid_raw, year), 1), e2e::number(row_of(temps, year), 5), 0.0006);
    EXPECT_NEAR(e2e::number(row_of(low_raw, year), 1), table_temp(table_row(sim5, year)), 0.00006);
  }
  EXPECT_NE(e2e::number(row_of(temps, 2100), 5), 0.0);
}

TEST(OrvtarRunModes, SingleUserSimulationLeavesTheOtherParameterSetsZero) {
  OrvtarRun r;
  r.set("ORVRUN.CFG", 1, 9);
  ASSERT_EQ(r.run(), 0) << r.text("stderr.txt");

  EXPECT_EQ(count_simulations(r), 1);
  const auto lines = r.lines("ORV.OUT");
  EXPECT_EQ(e2e::find_all(lines, " USER CLIMATE AND SEA LEVEL MODEL PARAMETERS").size(), 1u);
  for (const auto& f : DISPLAY) EXPECT_TRUE(r.exists(f)) << f;
  for (const auto& f : DRIVE) EXPECT_FALSE(r.exists(f)) << f;

  for (const auto& row : display_rows(r, "temps.dis")) {
    for (std::size_t c = 2; c <= 5; ++c) EXPECT_EQ(e2e::field(row, c), "0.000") << row;
  }
  for (const auto& row : display_rows(r, "sealev.dis")) {
    for (std::size_t c = 2; c <= 4; ++c) EXPECT_EQ(e2e::field(row, c), "0.0") << row;
    EXPECT_EQ(row.size(), 1u + 4 + 4 * 9) << "sealev.dis rows hold four values";
  }
  EXPECT_NE(e2e::number(row_of(display_rows(r, "temps.dis"), 2100), 1), 0.0);
}

TEST(OrvtarRunModes, DisplayFilesRepeatTheReportTables) {
  OrvtarRun r;
  r.set("ORVRUN.CFG", 1, 0);
  r.set("ORVRUN.CFG", 2, 5);  // IDISSTEP as the report's IQSTEP and ICONCSTEP
  ASSERT_EQ(r.run(), 0) << r.text("stderr.txt");
  const auto lines = r.lines("ORV.OUT");

  // forcings.dis is the 1990-relative forcing table of simulation 4.
  const std::string qhead =
      " YEAR     CO2  CH4tot     N2O HALOtot  TROPOZ  SO4DIR  SO4IND  BIOAER    TOTAL FOC+FBC   YEAR  CH4-O3 STRATO3 MONTDIR  QKYOTO";
  const auto qheads = e2e::find_all(lines, qhead);
  ASSERT_EQ(qheads.size(), 4u * 4);
  const auto sim4 = e2e::table_after(lines, qheads[12]);
  EXPECT_EQ(display_rows(r, "forcings.dis"), sim4);
  EXPECT_EQ(e2e::years(sim4), e2e::every(1990, 2100, 5));
  EXPECT_EQ(r.lines("forcings.dis").front(), qhead);

  // concs.dis from 1990 has the concentration table's CH4 columns; before
  // 1990 the ranges are the user values.
  const auto cheads = e2e::find_all(
      lines, " YEAR     CO2     CH4    N2O   CH4LO  CH4MID   CH4HI   CO2LO  CO2MID   CO2HI  YEAR TAUCH4");
  ASSERT_EQ(cheads.size(), 4u * 2);
  const auto conc4 = e2e::table_after(lines, cheads[6]);
  const auto concs = display_rows(r, "concs.dis");
  ASSERT_EQ(concs.size(), conc4.size());
  for (std::size_t n = 0; n < concs.size(); ++n) {
    const int year = std::stoi(e2e::field(concs[n], 0));
    EXPECT_EQ(e2e::field(concs[n], 5), e2e::field(conc4[n], 2)) << year;  // CH4
    EXPECT_EQ(e2e::field(concs[n], 9), e2e::field(conc4[n], 3)) << year;  // N2O
    if (year < 1990) {
      for (std::size_t c = 2; c <= 4; ++c) EXPECT_EQ(e2e::field(concs[n], c), e2e::field(concs[n], 1));
      EXPECT_EQ(e2e::field(concs[n], 10), "");
    } else {
      EXPECT_EQ(e2e::field(concs[n], 6), e2e::field(conc4[n], 4)) << year;   // CH4LO
      EXPECT_EQ(e2e::field(concs[n], 8), e2e::field(conc4[n], 6)) << year;   // CH4HI
      EXPECT_EQ(e2e::field(concs[n], 10), e2e::field(conc4[n], 11)) << year; // TAUCH4
    }
  }

  // emiss.dis: the global SO2 column is SO2TOT, the report's change from
  // 1990 plus the base ES1990 = 63.968.
  const auto eheads = e2e::find_all(
      lines, " YEAR  EFOSS NETDEF     CH4    N2O SO2REG1 SO2REG2 SO2REG3  SO2TOT  YEAR");
  const auto emis = e2e::table_after(lines, eheads.at(0));
  const auto emiss = display_rows(r, "emiss.dis");
  EXPECT_EQ(e2e::years(emiss), e2e::every(1990, 2100, 5));
  for (std::size_t n = 0; n < emis.size(); ++n) {
    EXPECT_NEAR(e2e::number(emiss[n], 8), e2e::number(emis[n], 8) + 63.968, 0.0051);
    EXPECT_NEAR(e2e::number(emiss[n], 1), e2e::number(emis[n], 1), 0.0051);
  }

  // temps.dis and sealev.dis hold the MID table's changes from 1990.
  const auto mid = temperature_rows(r, 2);
  for (int year : {1990, 2000, 2050, 2100}) {
    EXPECT_NEAR(e2e::number(row_of(display_rows(r, "temps.dis"), year), 3),
                table_temp(table_row(mid, year)), 0.00051);
    EXPECT_NEAR(e2e::number(row_of(display_rows(r, "sealev.dis"), year), 3),
                table_msltot(table_row(mid, year)), 0.051);
  }
}

TEST(OrvtarRunModes, RunsWithAFixedDateAreByteIdentical) {
  OrvtarRun a, b;
  ASSERT_EQ(a.run(), 0) << a.text("stderr.txt");
  ASSERT_EQ(b.run(), 0) << b.text("stderr.txt");
  for (const auto& f : DISPLAY) EXPECT_EQ(a.text(f), b.text(f)) << f;
  for (const auto& f : DRIVE) EXPECT_EQ(a.text(f), b.text(f)) << f;
  EXPECT_EQ(a.text("ORV.OUT"), b.text("ORV.OUT"));
  EXPECT_EQ(a.lines("ORV.OUT").at(0),
            " Emissions profile: RCP4.5                                   Date: 14 Nov 2023");
  // Every record ends with CR LF.
  const std::string report = a.text("ORV.OUT");
  EXPECT_EQ(report.substr(report.size() - 2), "\r\n");
}

TEST(OrvtarRunModes, MalformedSourceDateEpochIsRejected) {
  OrvtarRun r;
  r.set("ORVRUN.CFG", 1, 9);
  EXPECT_EQ(r.run("yesterday"), 2);
  EXPECT_NE(r.text("stderr.txt").find("orvtar: SOURCE_DATE_EPOCH"), std::string::npos)
      << r.text("stderr.txt");
  EXPECT_TRUE(r.exists("ORV.OUT"));
  EXPECT_FALSE(r.exists("temps.dis"));
}

TEST(OrvtarRunModes, WithoutSourceDateEpochTheReportCarriesTodaysDate) {
  OrvtarRun r;
  r.set("ORVRUN.CFG", 1, 9);
  ASSERT_EQ(r.run(""), 0) << r.text("stderr.txt");
  const std::string head = r.lines("ORV.OUT").at(0);
  ASSERT_EQ(head.size(), 78u);
  EXPECT_EQ(head.substr(60, 7), " Date: ");
  EXPECT_GE(std::stoi(head.substr(74, 4)), 2024);
}

}  // namespace
