// Whole simulations from 1765 to 2100 with the gas cycles, the RCP4.5
// emissions profile and the default configuration.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "simulation_fixture.h"

namespace orv {
namespace {

constexpr int Y1990 = 226, Y2100 = 336;

void expectFinite(const float* x, const char* name, int last) {
  for (int n = 1; n <= last; ++n) ASSERT_TRUE(std::isfinite(x[n])) << name << "(" << n << ")";
}

TEST(ClimateSimulation, MidSetGivesPlausibleWarmingAndSeaLevel) {
  auto s = test::defaultRun(2100);
  ASSERT_EQ(s->NYEND, Y2100);
  test::runSimulation(*s, 2);
  ASSERT_EQ(s->DT2X, 2.6f);

  const float* series[] = {s->TEMP, s->TNH, s->TSH, s->TLAND, s->TOCN, s->TDEEP, s->EXPN,
                           s->GLAC, s->GREENL, s->ANTAR, s->ICETOT, s->MSLTOT, s->QGLOB,
                           s->TEQU, s->WNH, s->WSH};
  const char* names[] = {"TEMP", "TNH", "TSH", "TLAND", "TOCN", "TDEEP", "EXPN", "GLAC",
                         "GREENL", "ANTAR", "ICETOT", "MSLTOT", "QGLOB", "TEQU", "WNH", "WSH"};
  for (int k = 0; k < 16; ++k) expectFinite(series[k], names[k], Y2100 - 1);
  expectFinite(s->TEMP, "TEMP", Y2100);
  expectFinite(s->MSLTOT, "MSLTOT", Y2100);

  // Observed warming to 1990 is about 0.5 to 0.8 degC since pre-industrial.
  EXPECT_GT(s->TEMP[Y1990], 0.3f);
  EXPECT_LT(s->TEMP[Y1990], 1.2f);
  const float warming = s->TEMP[Y2100] - s->TEMP[Y1990];
  const float rise = s->MSLTOT[Y2100] - s->MSLTOT[Y1990];
  EXPECT_GT(warming, 1.0f);
  EXPECT_LT(warming, 5.0f);
  EXPECT_GT(rise, 10.0f);
  EXPECT_LT(rise, 150.0f);
  EXPECT_GT(s->EXPN[Y2100], s->EXPN[Y1990]);
  // Land warms more than ocean, the NH more than the SH.
  EXPECT_GT(s->TLAND[Y2100], s->TOCN[Y2100]);
  EXPECT_GT(s->TNH[Y2100], s->TSH[Y2100]);
  // The circulation weakens, but not below its floor.
  EXPECT_LT(s->WNH[Y2100 - 1], s->W0);
  EXPECT_GE(s->WNH[Y2100 - 1], 0.1f);
}

TEST(ClimateSimulation, HigherSensitivityWarmsMore) {
  auto s = test::defaultRun(2100);
  float warming[4] = {};
  for (int NSIM = 1; NSIM <= 3; ++NSIM) {
    test::runSimulation(*s, NSIM);
    warming[NSIM] = s->TEMP[Y2100] - s->TEMP[Y1990];
  }
  EXPECT_LT(warming[1], warming[2]);
  EXPECT_LT(warming[2], warming[3]);
}

TEST(ClimateSimulation, TimeStepHardlyChangesTheResult) {
  auto fine = test::defaultRun(2100);
  test::runSimulation(*fine, 2);
  auto yearly = test::defaultRun(2100);
  yearly->DT = 1.0f;
  test::runSimulation(*yearly, 2);
  EXPECT_NEAR(yearly->TEMP[Y2100], fine->TEMP[Y2100], 0.05f);
  EXPECT_NEAR(yearly->MSLTOT[Y2100], fine->MSLTOT[Y2100], 1.0f);
}

TEST(ClimateSimulation, ConstantSulphurCaseRepeatsTheSeaLevelOfItsSet) {
  auto s = test::defaultRun(2100);
  s->IRUNMODE = 1;
  float lowTemp = 0.0f, lowSea[Y2100 + 1] = {};
  for (int NSIM = 1; NSIM <= 5; ++NSIM) {
    test::runSimulation(*s, NSIM);
    if (NSIM == 1) {
      lowTemp = s->TEMP[Y2100];
      for (int n = Y1990; n <= Y2100; ++n) lowSea[n] = s->MSLTOT[n];
    }
  }
  // Simulation 5: LOW set with SO2 held at its 1990 value.
  EXPECT_EQ(s->ICASE, 1);
  EXPECT_EQ(s->ISO2CASE, 2);
  EXPECT_NE(s->TEMP[Y2100], lowTemp);
  for (int n = Y1990; n <= Y2100; ++n) ASSERT_EQ(s->MSLTOT[n], lowSea[n]) << n;
}

}  // namespace
}  // namespace orv
