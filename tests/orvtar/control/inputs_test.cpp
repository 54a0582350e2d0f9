// The CO2 history, halocarbon forcing, prescribed CO2 and extra forcing
// files: where their values land on the year axis and which years and
// values are refused.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "orvtar/control/inputs.h"
#include "startup_dir.h"

namespace {

using orvtest::error_of;
using orvtest::fresh_state;
using orvtest::read_config;
using orvtest::RunDir;
using ::testing::HasSubstr;

std::string history(int year_of_zero_co2 = 0) {
  std::string text;
  char buf[64];
  for (int y = 1764; y <= 2000; ++y) {
    const float co2 = y == year_of_zero_co2 ? 0.0f : 278.0f + 0.25f * static_cast<float>(y - 1764);
    std::snprintf(buf, sizeof buf, " %5d%10.4f%10.6f\n", y, co2, 0.001 * (y - 1764));
    text += buf;
  }
  return text;
}

TEST(StartupCo2History, Reads237RecordsFrom1764) {
  RunDir dir;
  dir.write("co2hist.IN", history() + "  this record is never read\n");
  auto s = fresh_state();
  orv::use_co2_history(*s, orv::read_co2hist());
  EXPECT_FLOAT_EQ(s->CO2HIST[0], 278.0f);
  EXPECT_FLOAT_EQ(s->CO2HIST[1], 278.25f);
  EXPECT_FLOAT_EQ(s->CO2HIST[236], 337.0f);
  EXPECT_FLOAT_EQ(s->CO2HIST2[236], 0.236f);
}

TEST(StartupCo2History, BundledFile) {
  RunDir dir;
  auto s = fresh_state();
  orv::use_co2_history(*s, orv::read_co2hist());
  EXPECT_FLOAT_EQ(s->CO2HIST[1], 278.0516f);
  EXPECT_FLOAT_EQ(s->CO2HIST[236], 368.8650f);
  EXPECT_FLOAT_EQ(s->CO2HIST2[236], 0.373672f);
}

TEST(StartupCo2History, RefusesShortFilesAndUnusableValues) {
  RunDir dir;
  auto s = fresh_state();
  std::string text = history();
  dir.write("short.IN", text.substr(0, text.rfind('\n', text.size() - 2) + 1));
  EXPECT_THAT(error_of([] { orv::read_co2hist("short.IN"); }), HasSubstr("short.IN, record 237: end of file"));
  dir.write("zero.IN", history(1768));
  EXPECT_THAT(error_of([] { orv::read_co2hist("zero.IN"); }),
              HasSubstr("zero.IN, record 5: CO2 (columns 7-16) = 0 ppm"));
  std::string flat;
  for (int y = 1764; y <= 2000; ++y) flat += " " + std::to_string(y) + "     300.0       0.5\n";
  dir.write("flat.IN", flat);
  EXPECT_THAT(error_of([] { orv::read_co2hist("flat.IN"); }), HasSubstr("flat.IN, record 236:"));
}

TEST(StartupHaloForcing, ColumnsByHalocarbonAssumption) {
  RunDir dir;
  auto s = fresh_state();
  read_config(*s);
  s->IYEND = 2200;
  orv::use_halocarbon_forcing(*s, orv::read_qhalos(s->IHALO, s->IYEND));
  EXPECT_EQ(s->LASTHALO, 2200);
  EXPECT_FLOAT_EQ(s->QMONTDIR[166], 0.001953f);  // 1930
  EXPECT_FLOAT_EQ(s->QSTRATO3[226], -0.030199f);  // 1990
  EXPECT_FLOAT_EQ(s->QKYOTO[386], 0.109975f);     // 2150, column 3
  EXPECT_FLOAT_EQ(s->QHALOOTH[386], 0.007179f);   // 2150, column 4
  EXPECT_EQ(s->QMONTDIR[165], 0.0f);

  s->IHALO = 2;
  orv::use_halocarbon_forcing(*s, orv::read_qhalos(s->IHALO, s->IYEND));
  EXPECT_FLOAT_EQ(s->QKYOTO[386], 0.109975f);    // column 5
  EXPECT_FLOAT_EQ(s->QHALOOTH[386], 0.009812f);  // column 6
  EXPECT_FLOAT_EQ(s->QMONTDIR[286], 0.206763f);
}

TEST(StartupHaloForcing, LastYearBeyondRunReadsOnlyToRunEnd) {
  RunDir dir;
  std::string text = "  2100 1930\n title\n header\n note\n";
  char buf[80];
  for (int y = 1930; y <= 2050; ++y) {
    std::snprintf(buf, sizeof buf, "  %4d%10.6f%10.6f%10.6f%10.6f\n", y, 0.001 * (y - 1929), 0.0,
                  0.5, 0.25);
    text += buf;
  }
  dir.write("QHALOS.IN", text);  // no records after 2050
  auto s = fresh_state();
  read_config(*s);
  s->IYEND = 2050;
  s->QHALO[286] = 9.0f;  // cleared up to the last year
  s->QHALO[287] = 9.0f;  // beyond it: left alone
  orv::use_halocarbon_forcing(*s, orv::read_qhalos(s->IHALO, s->IYEND));
  EXPECT_EQ(s->LASTHALO, 2050);
  EXPECT_FLOAT_EQ(s->QMONTDIR[286], 0.121f);
  EXPECT_EQ(s->QHALO[286], 0.0f);
  EXPECT_EQ(s->QHALO[287], 9.0f);

  s->IYEND = 2051;
  EXPECT_THAT(error_of([&] { orv::read_qhalos(s->IHALO, s->IYEND, "QHALOS.IN"); }), HasSubstr("QHALOS.IN, record 126: end of file"));
}

TEST(StartupPrescribedCo2, HeldAtLastValueToRunEnd) {
  RunDir dir;
  std::string text = " 2050\n";
  for (int y = 1990; y <= 2050; ++y) text += " " + std::to_string(y) + "     " + std::to_string(350 + y - 1990) + ".0\n";
  dir.write("co2input.dat", text);
  auto s = fresh_state();
  s->IYEND = 2100;
  orv::use_prescribed_co2(*s, orv::read_co2input(s->IYEND));
  EXPECT_EQ(s->LASTCO2IX, 286);
  EXPECT_FLOAT_EQ(s->CO2IN[226], 350.0f);
  EXPECT_FLOAT_EQ(s->CO2IN[286], 410.0f);
  EXPECT_FLOAT_EQ(s->CO2IN[287], 410.0f);
  EXPECT_FLOAT_EQ(s->CO2IN[336], 410.0f);
  EXPECT_EQ(s->CO2IN[337], 0.0f);
}

TEST(StartupPrescribedCo2, RefusesYearsOffTheAxisAndZeroConcentrations) {
  RunDir dir;
  auto s = fresh_state();
  s->IYEND = 2100;
  dir.write("early.dat", " 1980\n");
  EXPECT_THAT(error_of([&] { orv::read_co2input(s->IYEND, "early.dat"); }), HasSubstr("early.dat, record 1: last year 1980"));
  dir.write("late.dat", " 2600\n");
  EXPECT_THAT(error_of([&] { orv::read_co2input(s->IYEND, "late.dat"); }), HasSubstr("expected 1990 to 2505"));
  dir.write("zero.dat", " 1992\n 1990     354.0\n 1991       0.0\n 1992     356.0\n");
  EXPECT_THAT(error_of([&] { orv::read_co2input(s->IYEND, "zero.dat"); }),
              HasSubstr("zero.dat, record 3: CO2 (columns 7-16) = 0 ppm"));
}

TEST(StartupExtraForcing, FourColumnsFrom1750SkipYearsBeforeStart) {
  RunDir dir;
  std::string text = "    4\n  1750 1769\n";
  char buf[80];
  for (int y = 1750; y <= 1769; ++y) {
    const double v = y < 1765 ? 4.5 : y - 1764;
    std::snprintf(buf, sizeof buf, " %5d%10.2f%10.2f%10.2f%10.2f\n", y, v, 2 * v, 3 * v, 4 * v);
    text += buf;
  }
  dir.write("qextra.in", text);
  auto s = fresh_state();
  s->QOFFSET = 0.5f;
  s->QFACTOR = 2.0f;
  orv::use_extra_forcing(*s, orv::read_qextra());
  EXPECT_EQ(s->IQY1, 1765);
  EXPECT_EQ(s->IQX1, 1);
  EXPECT_EQ(s->IQX2, 5);
  EXPECT_FLOAT_EQ(s->QEXNHO[1], 1.0f);   // (1 - 0.5) * 2
  EXPECT_FLOAT_EQ(s->QEXNHL[1], 3.0f);   // (2 - 0.5) * 2
  EXPECT_FLOAT_EQ(s->QEXSHO[5], 29.0f);  // (15 - 0.5) * 2
  EXPECT_FLOAT_EQ(s->QEXSHL[5], 39.0f);  // (20 - 0.5) * 2
  EXPECT_FLOAT_EQ(s->QEXNHO[0], s->QEXNHO[1]);
  EXPECT_FLOAT_EQ(s->QEXSHL[0], s->QEXSHL[1]);
}

TEST(StartupExtraForcing, GlobalAndHemisphericColumns) {
  RunDir dir;
  dir.write("global.in", "    1\n  1990 1991\n  1990       1.5\n  1991       2.5\n");
  auto s = fresh_state();
  s->QFACTOR = 1.0f;
  orv::use_extra_forcing(*s, orv::read_qextra("global.in"));
  EXPECT_EQ(s->IQX1, 226);
  EXPECT_FLOAT_EQ(s->QEXG[227], 2.5f);
  EXPECT_FLOAT_EQ(s->QEXNHO[227], 2.5f);
  EXPECT_FLOAT_EQ(s->QEXSHL[227], 2.5f);
  EXPECT_FLOAT_EQ(s->QEXSHO[225], 1.5f);

  dir.write("hemi.in", "    2\n  1990 1990\n  1990       1.0       3.0\n");
  auto h = fresh_state();
  h->QOFFSET = 1.0f;
  h->QFACTOR = 0.5f;
  orv::use_extra_forcing(*h, orv::read_qextra("hemi.in"));
  EXPECT_FLOAT_EQ(h->QEXNHO[226], 0.0f);
  EXPECT_FLOAT_EQ(h->QEXNHL[226], 0.0f);
  EXPECT_FLOAT_EQ(h->QEXSHO[226], 1.0f);
  EXPECT_FLOAT_EQ(h->QEXSHL[226], 1.0f);
  EXPECT_FLOAT_EQ(h->QEXSH[226], 3.0f);
}

TEST(StartupExtraForcing, UnknownColumnCountReadsNoDataRecords) {
  RunDir dir;
  dir.write("qextra.in", "    3\n  1750 2100\n");
  auto s = fresh_state();
  s->QFACTOR = 1.0f;
  orv::use_extra_forcing(*s, orv::read_qextra());
  EXPECT_EQ(s->NQCOL, 3);
  EXPECT_EQ(s->IQY1, 1765);
  for (int i = 0; i <= 336; ++i) {
    ASSERT_EQ(s->QEXNHO[i], 0.0f);
    ASSERT_EQ(s->QEXSHL[i], 0.0f);
  }
}

TEST(StartupExtraForcing, RefusesYearsPastTheSeries) {
  RunDir dir;
  dir.write("qextra.in", "    1\n  1990 2600\n");
  auto s = fresh_state();
  EXPECT_THAT(error_of([] { orv::read_qextra("qextra.in"); }), HasSubstr("qextra.in, record 2: years 1990 to 2600; expected years up to 2505"));
}

}  // namespace
