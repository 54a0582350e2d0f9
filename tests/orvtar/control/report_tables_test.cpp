// The report ORV.OUT and the display files of whole runs: which years the
// stepped tables print, the five temperature-table layouts, the reference
// year, the concentration timing and the head's optional lines.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "orvtar_run.h"

namespace {

using e2e::OrvtarRun;

// A run of the USER parameter set alone: one simulation, quick.
struct SingleRun : OrvtarRun {
  SingleRun() { set("ORVRUN.CFG", 1, 9); }
  std::vector<std::string> report() const { return lines("ORV.OUT"); }
};

const std::string TEMP_HEAD_1 =
    "  YEAR  DELTAQ   TEQU   TEMP   EXPN   GLAC GREENL  ANTAR Z-XTRA MSLTOT   TNH   TSH   WNH   WSH  YEAR";
const std::string STARS = " ****************************************************";

// Years of the table under the first line equal to `header`.
std::vector<int> table_years(const std::vector<std::string>& report, const std::string& header,
                             std::size_t skip = 0) {
  const auto at = e2e::find_all(report, header);
  EXPECT_FALSE(at.empty()) << header;
  if (at.empty()) return {};
  auto rows = e2e::table_after(report, at[0]);
  rows.erase(rows.begin(), rows.begin() + static_cast<long>(skip));
  return e2e::years(rows);
}

std::vector<int> with_first(int first, std::vector<int> rest) {
  rest.insert(rest.begin(), first);
  return rest;
}

TEST(OrvtarReportTables, TemperatureTableYearsFollowTheFractionRule) {
  struct Case {
    int step, first;
    std::vector<int> years;
  };
  const std::vector<Case> cases = {
      {5, 1765, e2e::every(1765, 2100, 5)},
      {10, 1765, with_first(1765, e2e::every(1770, 2100, 10))},
      // A year one after a step year passes too (1.01/100 < 0.02).
      {100, 1765, {1765, 1790, 1791, 1890, 1891, 1990, 1991, 2090, 2091}},
      {5, 2000, e2e::every(2000, 2100, 5)},
  };
  for (const auto& c : cases) {
    SingleRun r;
    r.set("ORVUSER.CFG", 11, c.step);
    r.set("ORVUSER.CFG", 9, c.first);
    ASSERT_EQ(r.run(), 0) << r.text("stderr.txt");
    const auto report = r.report();
    EXPECT_EQ(table_years(report, TEMP_HEAD_1, 1), c.years)
        << "IPRTSTEP " << c.step << ", IPRTYR1 " << c.first;
    // The header is repeated under the rows and followed by a blank line.
    const auto heads = e2e::find_all(report, TEMP_HEAD_1);
    ASSERT_EQ(heads.size(), 2u);
    EXPECT_EQ(heads[1] - heads[0], c.years.size() + 2);
    EXPECT_EQ(report.at(heads[1] + 1), "   ");
  }
}

TEST(OrvtarReportTables, ReferenceYearRowShowsNoChangeAndOffsetMovesOnlyTheTemperature) {
  SingleRun r;
  r.set("ORVUSER.CFG", 8, 2000);     // IREFYR
  r.set("ORVXTRA.CFG", 8, "0.5");    // TOFFSET
  ASSERT_EQ(r.run(), 0) << r.text("stderr.txt");
  const auto report = r.report();
  const auto at = e2e::find_all(report, TEMP_HEAD_1);
  ASSERT_EQ(at.size(), 2u);
  EXPECT_EQ(report.at(at[0] - 6), " ** TEMPERATURE AND SEA LEVEL CHANGES FROM 2000 **");
  const auto rows = e2e::table_after(report, at[0]);
  std::string row2000, row1990;
  for (const auto& row : rows) {
    if (row.substr(1, 5) == " 2000") row2000 = row;
    if (row.substr(1, 5) == " 1990") row1990 = row;
  }
  ASSERT_FALSE(row2000.empty());
  // DELTAQ, TEQU, TEMP + 0.5, the six sea-level columns, TNH, TSH; W itself.
  EXPECT_EQ(row2000.substr(0, 82),
            "  2000  0.0000  0.000 0.5000   0.00   0.00   0.00   0.00   0.00   0.00 0.000 0.000");
  EXPECT_NE(row2000.substr(82, 12), "  0.00  0.00");
  EXPECT_LT(e2e::column(row1990, 21, 7), 0.5);
  // The TO1990 line holds the 1990 values themselves, without TOFFSET.
  EXPECT_EQ(rows.at(0).substr(0, 7), "TO1990 ");
  EXPECT_LT(e2e::column(rows.at(0), 21, 7), 0.5);
  // The display files carry the changes without the offset.
  for (const auto& row : r.lines("temps.dis")) {
    if (row.substr(0, 5) == " 2000") {
      EXPECT_EQ(row, " 2000    0.000    0.000    0.000    0.000    0.000");
    }
  }
}

TEST(OrvtarReportTables, EachTemperatureLayoutHasItsColumns) {
  const std::vector<std::string> heads = {
      TEMP_HEAD_1,
      "  YEAR  DELTAQ   TEQU   TEMP   EXPN   GLAC GREENL  ANTAR Z-XTRA MSLTOT TLAND  TOCN TL/TO   WNH   WSH  YEAR",
      "  YEAR  DELTAQ   TEQU   TEMP   EXPN   GLAC GREENL  ANTAR Z-XTRA MSLTOT TEQ-T TDEEP   WNH   WSH  YEAR",
      "  YEAR  EQVCO2   TEQU   TEMP   EXPN   GLAC GREENL  ANTAR Z-XTRA MSLTOT TEQ-T TDEEP   WNH   WSH  YEAR",
      "  YEAR  DELTAQ     TEMP  TL/TO  MSLTOT   EXPN   GLAC GREENL  ANTAR Z-XTRA   WNH  YEAR"};
  const std::vector<std::size_t> row_width = {100, 106, 100, 100, 85};
  const std::vector<std::size_t> to1990_width = {94, 100, 94, 94, 79};
  std::vector<std::vector<std::string>> tables;
  for (int layout = 1; layout <= 5; ++layout) {
    SingleRun r;
    r.set("ORVXTRA.CFG", 3, layout);
    ASSERT_EQ(r.run(), 0) << r.text("stderr.txt");
    const auto report = r.report();
    const auto at = e2e::find_all(report, heads[layout - 1]);
    ASSERT_EQ(at.size(), 2u) << "layout " << layout;
    auto rows = e2e::table_after(report, at[0]);
    EXPECT_EQ(rows.at(0).substr(0, 7), "TO1990 ");
    EXPECT_EQ(rows.at(0).size(), to1990_width[layout - 1]) << rows.at(0);
    for (std::size_t n = 1; n < rows.size(); ++n) {
      EXPECT_EQ(rows[n].size(), row_width[layout - 1]) << rows[n];
      EXPECT_EQ(rows[n].substr(1, 5), " " + rows[n].substr(rows[n].size() - 4)) << rows[n];
    }
    tables.push_back(rows);
  }
  const auto& t1 = tables[0];
  const auto& t2 = tables[1];
  const auto& t3 = tables[2];
  const auto& t4 = tables[3];
  const auto& t5 = tables[4];
  // IREFYR = 1990: the 1990 row shows no change in any column but W.
  EXPECT_EQ(t1[1].substr(0, 82),
            "  1990  0.0000  0.000 0.0000   0.00   0.00   0.00   0.00   0.00   0.00 0.000 0.000");
  EXPECT_EQ(t5[1].substr(0, 23), "  1990  0.0000  0.00000");
  for (std::size_t n = 1; n < t1.size(); ++n) {
    // TEMP: F7.4 at column 21 in layouts 1-4, F9.5 at column 14 in layout 5.
    EXPECT_NEAR(e2e::column(t1[n], 21, 7), e2e::column(t5[n], 14, 9), 0.00006) << t5[n];
    // MSLTOT: F7.2 at column 63; F8.3 at column 30 in layout 5.
    EXPECT_NEAR(e2e::column(t1[n], 63, 7), e2e::column(t5[n], 30, 8), 0.0051) << t5[n];
    // TL/TO is the same absolute ratio in layouts 2 and 5.
    EXPECT_NEAR(e2e::column(t2[n], 82, 6), e2e::column(t5[n], 23, 7), 0.0006) << t2[n];
    // TEQ-T = change of TEQU minus change of TEMP.
    EXPECT_NEAR(e2e::column(t3[n], 70, 6),
                e2e::column(t3[n], 14, 7) - e2e::column(t3[n], 21, 7), 0.0011) << t3[n];
    EXPECT_EQ(t3[n].substr(14), t4[n].substr(14));
  }
  // TO1990 of layout 2: TL/TO is TLAND / TOCN of 1990.
  EXPECT_NEAR(e2e::column(t2[0], 82, 6), e2e::column(t2[0], 70, 6) / e2e::column(t2[0], 76, 6), 0.01);
  // Layout 4: the equivalent CO2 of 1990 in the TO1990 line and in the
  // 1990 row (which is absolute, not a change).
  EXPECT_EQ(t4[1].substr(1, 5), " 1990");
  EXPECT_NEAR(e2e::column(t4[0], 7, 7), e2e::column(t4[1], 6, 8), 0.051);
  EXPECT_GT(e2e::column(t4[0], 7, 7), 278.0);
}

TEST(OrvtarReportTables, LayoutSixPrintsNoTable) {
  SingleRun r;
  r.set("ORVXTRA.CFG", 3, 6);
  ASSERT_EQ(r.run(), 0) << r.text("stderr.txt");
  const auto report = r.report();
  const auto at = e2e::find_all(report, " USER CLIMATE AND SEA LEVEL MODEL PARAMETERS");
  ASSERT_EQ(at.size(), 1u);
  EXPECT_EQ(report.at(at[0] + 1), "   ");
  EXPECT_EQ(report.at(at[0] + 2), "   ");
  EXPECT_EQ(report.at(at[0] + 3), STARS);
  EXPECT_EQ(report.at(at[0] + 5), " ** INPUT EMISSIONS **");
  // temps.dis is still written from the simulation.
  EXPECT_NE(r.lines("temps.dis").at(336), " 2100    0.000    0.000    0.000    0.000    0.000");
}

TEST(OrvtarReportTables, SteppedTablesAndDisplayFilesVisitTheirYears) {
  SingleRun r;
  r.set("ORVXTRA.CFG", 4, 7);   // IEMSTEP
  r.set("ORVXTRA.CFG", 5, 10);  // ICCSTEP
  r.set("ORVXTRA.CFG", 6, 10);  // ICONCSTEP
  r.set("ORVXTRA.CFG", 7, 10);  // IQSTEP
  r.set("ORVRUN.CFG", 2, 10);   // IDISSTEP
  ASSERT_EQ(r.run(), 0) << r.text("stderr.txt");
  const auto report = r.report();

  // (2100 - 1990 + 7) / 7 = 16 passes: 1990, 1997, ..., 2095.
  const auto emissions = table_years(
      report, " YEAR  EFOSS NETDEF     CH4    N2O SO2REG1 SO2REG2 SO2REG3  SO2TOT  YEAR");
  EXPECT_EQ(emissions, e2e::every(1990, 2095, 7));
  EXPECT_EQ(emissions.size(), 16u);
  EXPECT_EQ(table_years(report, " YEAR ETOTAL  EFOSS CH4OXN   NETD GROSSD  OFLUX ABFRAC PLANT C HLITT    SOIL    CONC  DEL-M  YEAR"),
            e2e::every(1990, 2100, 10));
  EXPECT_EQ(table_years(report, " YEAR     CO2     CH4    N2O   CH4LO  CH4MID   CH4HI   CO2LO  CO2MID   CO2HI  YEAR TAUCH4"),
            e2e::every(1765, 2095, 10));
  const std::string qhead =
      " YEAR     CO2  CH4tot     N2O HALOtot  TROPOZ  SO4DIR  SO4IND  BIOAER    TOTAL FOC+FBC   YEAR  CH4-O3 STRATO3 MONTDIR  QKYOTO";
  const auto q = e2e::find_all(report, qhead);
  ASSERT_EQ(q.size(), 4u);
  EXPECT_EQ(e2e::years(e2e::table_after(report, q[0])), e2e::every(1990, 2100, 10));
  EXPECT_EQ(e2e::years(e2e::table_after(report, q[2])), e2e::every(1770, 2100, 10));

  auto display_years = [&](const std::string& file) {
    const auto l = r.lines(file);
    EXPECT_EQ(l.front(), l.back()) << file;
    return e2e::years({l.begin() + 1, l.end() - 1});
  };
  EXPECT_EQ(display_years("temps.dis"), e2e::every(1765, 2095, 10));
  EXPECT_EQ(display_years("sealev.dis"), e2e::every(1765, 2095, 10));
  EXPECT_EQ(display_years("concs.dis"), e2e::every(1765, 2095, 10));
  EXPECT_EQ(display_years("emiss.dis"), e2e::every(1990, 2100, 10));
  EXPECT_EQ(display_years("forcings.dis"), e2e::every(1990, 2100, 10));
}

TEST(OrvtarReportTables, ForcingTablesAgreeWithEachOther) {
  SingleRun r;
  ASSERT_EQ(r.run(), 0) << r.text("stderr.txt");
  const auto report = r.report();
  const std::string qhead =
      " YEAR     CO2  CH4tot     N2O HALOtot  TROPOZ  SO4DIR  SO4IND  BIOAER    TOTAL FOC+FBC   YEAR  CH4-O3 STRATO3 MONTDIR  QKYOTO";
  const auto q = e2e::find_all(report, qhead);
  ASSERT_EQ(q.size(), 4u);
  const auto from1990 = e2e::table_after(report, q[0]);
  const auto from1765 = e2e::table_after(report, q[2]);
  EXPECT_EQ(from1990.front(),
            " 1990  0.0000  0.0000  0.0000  0.0000  0.0000  0.0000  0.0000  0.0000  0.00000  0.0000   1990  0.0000  0.0000  0.0000  0.0000");
  auto row = [](const std::vector<std::string>& rows, int year) {
    for (const auto& x : rows)
      if (e2e::field(x, 0) == std::to_string(year)) return x;
    return std::string();
  };
  const std::string y1990 = row(from1765, 1990);
  for (int year : {2000, 2050, 2100}) {
    const std::string a = row(from1990, year), b = row(from1765, year);
    ASSERT_FALSE(a.empty() || b.empty());
    // Changes from 1990 are the values from 1765 less their 1990 value.
    for (std::size_t c : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 10u, 12u, 13u, 14u, 15u})
      EXPECT_NEAR(e2e::number(a, c), e2e::number(b, c) - e2e::number(y1990, c), 0.00021)
          << year << " column " << c;
    // TOTAL holds every forcing but the CH4-O3 and STRATO3 detail columns.
    double sum = 0;
    for (std::size_t c = 1; c <= 8; ++c) sum += e2e::number(b, c);
    EXPECT_NEAR(e2e::number(b, 9), sum + e2e::number(b, 10), 0.0006) << b;
  }
  // Up to 1860 the sulphate aerosol is counted as zero.
  for (int year = 1770; year <= 1860; year += 5) {
    EXPECT_EQ(e2e::field(row(from1765, year), 7), "0.0000") << year;
  }
  EXPECT_NE(e2e::field(row(from1765, 1865), 7), "0.0000");
}

TEST(OrvtarReportTables, ConcentrationTimingChangesOnlyColumnsTwoToFourFrom1990) {
  std::vector<std::vector<std::string>> tables;
  const std::string head =
      " YEAR     CO2     CH4    N2O   CH4LO  CH4MID   CH4HI   CO2LO  CO2MID   CO2HI  YEAR TAUCH4";
  std::vector<std::string> titles;
  for (int timing = 0; timing <= 2; ++timing) {
    SingleRun r;
    r.set("ORVRUN.CFG", 3, timing);
    r.set("ORVXTRA.CFG", 6, 1);  // every year
    ASSERT_EQ(r.run(), 0) << r.text("stderr.txt");
    const auto report = r.report();
    const auto at = e2e::find_all(report, head);
    ASSERT_EQ(at.size(), 2u);
    titles.push_back(report.at(at[0] - 2));
    tables.push_back(e2e::table_after(report, at[0]));
    // The two header lines come again in reverse order.
    const std::size_t end = at[0] + 1 + tables.back().size();
    EXPECT_EQ(report.at(end), head);
    EXPECT_EQ(report.at(end + 1), "     <- USER MODEL CONCS -><------ CH4 & CO2 MID CONCS & RANGES ------->");
  }
  EXPECT_EQ(titles[0], " *** MIDYEAR VALUES ***");
  EXPECT_EQ(titles[1], " *** START OF YEAR VALUES FOR YR.GE.1990 IN COLS 2,3,4 ***");
  EXPECT_EQ(titles[2], " *** END OF YEAR VALUES FOR YR.GE.1990 IN COLS 2,3,4 ***");
  const auto& mid = tables[0];
  const auto& start = tables[1];
  const auto& end = tables[2];
  ASSERT_EQ(mid.size(), 336u);
  for (std::size_t n = 0; n < mid.size(); ++n) {
    const int year = 1765 + static_cast<int>(n);
    if (year < 1990) {
      EXPECT_EQ(start[n], mid[n]);
      EXPECT_EQ(end[n], mid[n]);
      continue;
    }
    EXPECT_EQ(start[n].substr(28), mid[n].substr(28)) << year;
    EXPECT_EQ(end[n].substr(28), mid[n].substr(28)) << year;
    // The start of a year is the end of the one before.
    if (year > 1990) {
      EXPECT_EQ(start[n].substr(5, 23), end[n - 1].substr(5, 23)) << year;
    }
    // Mid-year lies between start and end.
    const double s = e2e::number(start[n], 1), e = e2e::number(end[n], 1), m = e2e::number(mid[n], 1);
    EXPECT_NEAR(m, (s + e) / 2, 0.0051) << year;
  }
  // Up to 2000 the CO2 range is the user value, before 2000 the CH4 range.
  for (std::size_t n = 225; n <= 235; ++n) {
    const std::string& row = mid[n];
    for (std::size_t c = 7; c <= 9; ++c) EXPECT_NEAR(e2e::number(row, c), e2e::number(row, 1), 0.051) << row;
    if (n < 235) {
      for (std::size_t c = 4; c <= 6; ++c) EXPECT_EQ(e2e::field(row, c), e2e::field(row, 2)) << row;
    }
    EXPECT_EQ(e2e::field(row, 11), "9.60") << row;
  }
  EXPECT_NE(e2e::field(mid[335], 7), e2e::field(mid[335], 9));
}

TEST(OrvtarReportTables, HeadReportsPrescribedCo2ExtraForcingAndIgnoredAerosols) {
  SingleRun r;
  r.set("ORVMOD.CFG", 11, 1);       // ICO2CONC
  r.set("ORVMOD.CFG", 12, "1.1");   // CO2SCALE
  r.set("ORVMOD.CFG", 13, 1);       // IQEXTRA
  r.set("ORVMOD.CFG", 14, "0.25");  // QOFFSET
  r.set("ORVUSER.CFG", 3, 4);       // LEVSO4 = USER: biomass 0.0 is ignored
  r.set("ORVGAS.CFG", 8, 1);        // IMETH, forced to 0 by the prescribed CO2
  ASSERT_EQ(r.run(), 0) << r.text("stderr.txt");
  const auto report = r.report();
  const std::vector<std::string> expected = {
      " Emissions profile: RCP4.5                                   Date: 14 Nov 2023",
      "",
      "  MID CONCENTRATION PROJECTION FOR CO2",
      "   (CO2-CLIMATE FEEDBACK INCLUDED)",
      "  MID CONCENTRATION PROJECTION FOR CH4",
      " USER 1990 FORCINGS FOR SO4 AEROSOL",
      "  STRAT OZONE DEPLETION FEEDBACK INCLUDED",
      "  FOR HALOCARBONS NOT IN GAS.EMK, EMS DROP TO ZERO OVER 2100-2200",
      "",
      " CLIMATE MODEL SELECTED =  ORVANE",
      " USER ICE MELT = MID",
      "",
      " CO2 CONC INPUT OVERWRITES CO2 EMISSIONS : POST-1990 CO2 FORCING SCALED UP BY 10.0%",
      "",
      " EXTRA GLOBAL MEAN FORCING ADDED FROM QEXTRA.IN OVER 1765 TO 1800 INCLUSIVE",
      "       0.250 W/m**2 SUBTRACTED FROM ALL VALUES",
      "",
      " CO2-DOUBLING FORCING IN W/M**2 = 3.708",
      " 1990 DIRECT AEROSOL FORCING          =-0.400W/m**2",
      " 1990 INDIRECT AEROSOL FORCING        =-0.450W/m**2",
      " BIOMASS AEROSOL FORCING IGNORED",
      " 1990 FOSSIL ORG C + BLACK C FORCING  = 0.310W/m**2",
      " STRAT H2O FROM CH4 : DELQH2O/DELQCH4 = 0.150",
      "",
      " *************************************************",
  };
  ASSERT_GE(report.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(report.begin(), report.begin() + static_cast<long>(expected.size())),
            expected);
  EXPECT_EQ(e2e::find_all(report, " METHANE OXIDATION TERM NOT INCLUDED IN EMISSIONS").size(), 1u);
}

TEST(OrvtarReportTables, SimulationHeadDescribesUpwellingAndFeedbackCase) {
  SingleRun r;
  r.set("ORVUSER.CFG", 6, 2);    // IVARW: permanent shutdown
  r.set("ORVMOD.CFG", 3, "1.0"); // RLO: global sensitivity case
  r.set("ORVRUN.CFG", 5, 5);     // IWSCALE
  ASSERT_EQ(r.run(), 0) << r.text("stderr.txt");
  const auto report = r.report();
  const auto at = e2e::find_all(report, " *************************************************");
  ASSERT_EQ(at.size(), 1u);
  const std::vector<std::string> expected = {
      " *************************************************",
      "",
      " NSIM =  1 : DELT(2XCO2) = 3.000DEGC",
      " FULL GLOBAL SO2 EMISSIONS",
      "",
      " IVARW SET AT 2",
      " PERMANENT THC SHUTDOWN AT W =  2.00M/YR",
      " W = ZERO WHEN TEMPERATURE = 14.00degC",
      " ACTIVE W SCALED WITH GLOBAL-MEAN OCEAN TEMPERATURE",
      "",
      " XKNS= 1.0 : XKLO= 1.0",
      " HM= 70.0M : XK=1.3000CM**2/SEC",
      " PI=0.2000 : INITIAL W= 4.00M/YR",
      "",
      "",
      " GLOBAL SENSITIVITY CASE : INITIAL XLAM =    1.2361",
      "",
      " 1880-1990 CHANGES : GLOBAL DTEMP =",
  };
  for (std::size_t n = 0; n < expected.size(); ++n)
    EXPECT_EQ(report.at(at[0] + n).substr(0, expected[n].size()), expected[n]) << n;
}

}  // namespace
