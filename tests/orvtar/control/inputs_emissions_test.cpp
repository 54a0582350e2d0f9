// The emissions profile GAS.EMK: interpolation onto the year axis, the last
// year of the run, the SO2 base, the CH4 and N2O budget offsets and the
// later extension steps.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "orvtar/control/emissions.h"
#include "startup_dir.h"

namespace {

using orvtest::fresh_state;
using orvtest::read_config;
using orvtest::RunDir;
using ::testing::HasSubstr;

constexpr float UNSET = -7.0f;

std::string error_of(orv::OrvState& s) {
  try {
    orv::build_emissions(s, orv::read_gasemk());
  } catch (const rec::Error& e) {
    return e.what();
  }
  return "(accepted)";
}

// The bundled profile cut after its first n data records.
void cut_profile(RunDir& dir, int n) {
  std::vector<std::string> rec = dir.lines("GAS.EMK");
  std::ostringstream text;
  text << (n < 10 ? " " : "") << n << '\n';
  for (int k = 1; k < 5 + n; ++k) text << rec.at(static_cast<std::size_t>(k)) << '\n';
  dir.write("GAS.EMK", text.str());
}

// A profile of NEMK records with the given years; every column of record
// j holds the value j.
void small_profile(RunDir& dir, std::initializer_list<int> years) {
  std::ostringstream text;
  text << (years.size() < 10 ? " " : "") << years.size() << "\nSMALL\n h\n h\n h\n";
  int j = 0;
  for (int y : years) {
    ++j;
    char buf[16];
    std::snprintf(buf, sizeof buf, " %5d", y);
    text << buf;
    for (int c = 1; c <= 18; ++c) text << "      " << j << ".00";
    text << '\n';
  }
  dir.write("GAS.EMK", text.str());
}

struct StartupInterp : ::testing::Test {
  int X[orv::MAXEMK + 1] = {};
  float Y[orv::MAXEMK + 1] = {};
  float OUT[orv::NY] = {};
  void SetUp() override {
    for (float& v : OUT) v = UNSET;
  }
};

TEST_F(StartupInterp, LinearBetweenRecordsThenHeld) {
  X[1] = 0, X[2] = 10, X[3] = 20;
  Y[1] = 1.0f, Y[2] = 3.0f, Y[3] = 7.0f;
  orv::INTERP(3, 226, X, Y, OUT, 260);
  EXPECT_EQ(OUT[225], UNSET);            // 1989: before the profile
  EXPECT_FLOAT_EQ(OUT[226], 1.0f);
  EXPECT_FLOAT_EQ(OUT[231], 2.0f);       // 1995: midway between 1990 and 2000
  EXPECT_FLOAT_EQ(OUT[236], 3.0f);
  EXPECT_FLOAT_EQ(OUT[241], 5.0f);
  EXPECT_FLOAT_EQ(OUT[246], 7.0f);       // 2010: the record's value exactly
  EXPECT_FLOAT_EQ(OUT[260], 7.0f);       // held to the last year
  EXPECT_EQ(OUT[261], UNSET);
}

TEST_F(StartupInterp, ProfileStartingIn2000LeavesNinetiesUnwritten) {
  X[1] = 10, X[2] = 20;
  Y[1] = 4.0f, Y[2] = 6.0f;
  orv::INTERP(2, 226, X, Y, OUT, 250);
  for (int i = 226; i <= 235; ++i) EXPECT_EQ(OUT[i], UNSET) << i;
  EXPECT_FLOAT_EQ(OUT[236], 4.0f);
  EXPECT_FLOAT_EQ(OUT[245], 5.8f);
  EXPECT_FLOAT_EQ(OUT[250], 6.0f);
}

TEST_F(StartupInterp, SingleRecordWritesItsYearAndHoldsIt) {
  X[1] = 10;
  Y[1] = 5.0f;
  orv::INTERP(1, 226, X, Y, OUT, 240);
  EXPECT_EQ(OUT[235], UNSET);
  EXPECT_FLOAT_EQ(OUT[236], 5.0f);
  EXPECT_FLOAT_EQ(OUT[240], 5.0f);
  EXPECT_EQ(OUT[241], UNSET);
}

TEST_F(StartupInterp, ProfileBeyondRunWritesToItsLastRecord) {
  X[1] = 0, X[2] = 30;
  Y[1] = 0.0f, Y[2] = 3.0f;
  orv::INTERP(2, 226, X, Y, OUT, 240);
  EXPECT_FLOAT_EQ(OUT[255], 2.9f);
  EXPECT_FLOAT_EQ(OUT[256], 3.0f);
  EXPECT_EQ(OUT[257], UNSET);
}

TEST(StartupEmissions, BundledProfile) {
  RunDir dir;
  auto s = fresh_state();
  read_config(*s);
  orv::build_emissions(*s, orv::read_gasemk());
  EXPECT_EQ(std::string(s->PROFILE), "RCP4.5              ");
  EXPECT_EQ(s->NEMK, 62);
  EXPECT_EQ(s->IYEND, 2100);
  EXPECT_EQ(s->NYEND, 336);
  EXPECT_EQ(s->IREFIX, 226);
  EXPECT_FLOAT_EQ(s->TEND, 335.0f);
  EXPECT_EQ(s->IYR[1], 0);
  EXPECT_EQ(s->IYR[62], 510);
  // Columns 1, 2 and 18 as written; 1995 midway.
  EXPECT_FLOAT_EQ(s->EFOSS[226], 6.1440f);
  EXPECT_FLOAT_EQ(s->EFOSS[231], 6.4395f);
  EXPECT_FLOAT_EQ(s->NETDEF[236], 1.1488f);
  EXPECT_FLOAT_EQ(s->EMK18[226], 5.5208f);
  EXPECT_FLOAT_EQ(s->ECO90, 1099.01f);
  EXPECT_FLOAT_EQ(s->ECO[226], 1099.01f);
  // The SO2 changes from 1990 get the base: each region, and the total once.
  EXPECT_FLOAT_EQ(s->SO2REG1[226], 63.968f);
  EXPECT_FLOAT_EQ(s->SO2TOT[226], 63.968f);
  EXPECT_NEAR(s->SO2REG1[236], 63.968 - 15.0393, 1e-4);
  EXPECT_NEAR(s->SO2TOT[236], 63.968 - 15.0393 + 3.6399 + 1.2727, 1e-4);
  for (int i = 226; i <= 336; ++i) ASSERT_EQ(s->SO2[i], s->SO2TOT[i]) << i;
  EXPECT_EQ(s->SO2[337], 0.0f);
  // Budget offsets against the 2000 record (300.21 Tg CH4, 7.4566 TgN).
  EXPECT_NEAR(s->DCH4[1], 348.4, 0.1);
  EXPECT_NEAR(s->DCH4[2], 282.3, 0.1);
  EXPECT_NEAR(s->DCH4[3], 229.7, 0.1);
  EXPECT_NEAR(s->DCH4[4], 282.3, 0.1);  // TAUCH4U = TAUCH4M
  EXPECT_FLOAT_EQ(s->DCH4SEL, s->DCH4[2]);
  EXPECT_FLOAT_EQ(s->TAUCH4SEL, 9.6f);
  EXPECT_NEAR(s->DN2O, 8.90, 0.01);
  EXPECT_NEAR(s->EMCH4[236], 300.21 + s->DCH4SEL, 1e-3);
  EXPECT_NEAR(s->EMN2O[226], 7.5857 + s->DN2O, 1e-4);
}

TEST(StartupEmissions, LowCh4CaseSelectsItsOffsetAndLifetime) {
  RunDir dir;
  dir.set("ORVGAS.CFG", 9, "1");
  auto s = fresh_state();
  read_config(*s);
  orv::build_emissions(*s, orv::read_gasemk());
  EXPECT_FLOAT_EQ(s->DCH4SEL, s->DCH4[1]);
  EXPECT_FLOAT_EQ(s->TAUCH4SEL, 8.5f);
}

TEST(StartupEmissions, ProfileEndLimitsRunUnlessCo2IsPrescribed) {
  RunDir dir;
  cut_profile(dir, 22);  // 1990 .. 2100
  dir.set("ORVUSER.CFG", 10, "2200");
  auto s = fresh_state();
  read_config(*s);
  orv::build_emissions(*s, orv::read_gasemk());
  EXPECT_EQ(s->IYEND, 2100);
  EXPECT_EQ(s->NYEND, 336);

  dir.set("ORVMOD.CFG", 11, "1");
  auto p = fresh_state();
  read_config(*p);
  orv::build_emissions(*p, orv::read_gasemk());
  EXPECT_EQ(p->IYEND, 2200);
  EXPECT_EQ(p->NYEND, 436);
  EXPECT_FLOAT_EQ(p->TEND, 435.0f);
  for (int i = 337; i <= 436; ++i) {
    ASSERT_EQ(p->EFOSS[i], p->EFOSS[336]) << i;
    ASSERT_EQ(p->SO2REG3[i], p->SO2REG3[336]) << i;
    ASSERT_EQ(p->EMK11[i], p->EMK11[336]) << i;
  }
  EXPECT_EQ(p->EFOSS[437], 0.0f);
}

TEST(StartupEmissions, LaterStepsExtendSo2AndBuildCoHistory) {
  RunDir dir;
  auto s = fresh_state();
  read_config(*s);
  orv::build_emissions(*s, orv::read_gasemk());
  orv::extend_emissions(*s);
  const int n = s->NYEND;
  EXPECT_FLOAT_EQ(s->SO2TOT[n + 1], 2.0f * s->SO2TOT[n] - s->SO2TOT[n - 1]);
  EXPECT_FLOAT_EQ(s->SO2REG2[n + 1], 2.0f * s->SO2REG2[n] - s->SO2REG2[n - 1]);
  EXPECT_FLOAT_EQ(s->SO2[n + 1], s->SO2TOT[n + 1]);
  EXPECT_EQ(s->ECOEXT[0], 0.0f);
  EXPECT_FLOAT_EQ(s->ECOEXT[113], s->ECO90 / 2.0f);
  EXPECT_NEAR(s->ECOEXT[225], 225.0 * 1099.01 / 226.0, 1e-3);
  EXPECT_FLOAT_EQ(s->ECOEXT[226], s->ECO90);
  EXPECT_FLOAT_EQ(s->ECOEXT[n], s->ECO[n]);
}

TEST(StartupEmissions, ProfileFrom2000WithoutCoScalingIsAccepted) {
  RunDir dir;
  small_profile(dir, {2000, 2100});
  dir.set("ORVGAS.CFG", 25, "1");
  auto s = fresh_state();
  read_config(*s);
  orv::build_emissions(*s, orv::read_gasemk());
  EXPECT_EQ(s->EFOSS[235], 0.0f);
  EXPECT_FLOAT_EQ(s->EFOSS[236], 1.0f);
  EXPECT_EQ(s->ECO90, 0.0f);

  dir.set("ORVGAS.CFG", 25, "2");
  auto t = fresh_state();
  read_config(*t);
  EXPECT_THAT(error_of(*t), HasSubstr("GAS.EMK, record 6: the CO emission of 1990 is 0"));
}

TEST(StartupEmissions, RefusesRecordCountsAndYearsOffTheAxis) {
  RunDir dir;
  auto s = fresh_state();
  read_config(*s);
  dir.write("GAS.EMK", " 0\n");
  EXPECT_THAT(error_of(*s), HasSubstr("GAS.EMK, record 1: NEMK = 0; expected 1 to 99"));
  dir.write("GAS.EMK", "-3\n");
  EXPECT_THAT(error_of(*s), HasSubstr("NEMK = -3"));

  small_profile(dir, {1990, 2600});
  EXPECT_THAT(error_of(*s),
              HasSubstr("GAS.EMK, record 7: last profile year 2600; expected 1764 to 2505"));

  small_profile(dir, {1990, 1995});
  EXPECT_THAT(error_of(*s), HasSubstr("GAS.EMK, record 7: the profile ends in 1995"));

  small_profile(dir, {1990, 2000, 2010});
  dir.write("GAS.EMK", dir.lines("GAS.EMK")[0] + "\nSHORT\n h\n h\n h\n  1990  1.0\n");
  EXPECT_THAT(error_of(*s), HasSubstr("GAS.EMK, record 7: end of file"));
}

TEST(StartupEmissions, ReferenceYearMustLieInTheRun) {
  RunDir dir;
  cut_profile(dir, 12);  // to 2050
  auto s = fresh_state();
  read_config(*s);
  s->IREFYR = 2060;
  EXPECT_THAT(error_of(*s), HasSubstr("ORVUSER.CFG, record 8: IREFYR = 2060"));
  auto t = fresh_state();
  read_config(*t);
  t->IREFYR = 1764;
  EXPECT_THAT(error_of(*t), HasSubstr("expected a reference year from 1765"));
}

}  // namespace
