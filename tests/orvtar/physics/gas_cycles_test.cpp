// History rules and the one-year budgets of CH4, N2O and the further halocarbons.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "orvtar/physics/halocarbons.h"
#include "orvtar/physics/hist_conc.h"
#include "orvtar/physics/methane.h"
#include "orvtar/physics/nitrous_oxide.h"

namespace orv {
namespace {

int ix(int year) { return year - 1764; }

TEST(HistConc, PreindustrialValuesOf1765) {
  auto s = std::make_unique<OrvState>();
  s->CO2HIST[1] = 278.05f;
  HISTCONC(*s, 1);
  EXPECT_EQ(s->CO2[1], 278.05f);
  EXPECT_NEAR(s->CH4[1], 700.0 + 400.0 * 256.0 / 36481.0, 1e-4);
  EXPECT_NEAR(s->N2O[1], 270.0 + 20.0 * 256.0 / 40401.0, 1e-4);
  EXPECT_EQ(s->SO2[1], 0.0f);
  EXPECT_EQ(s->SO2[2], 0.0f);
  EXPECT_FLOAT_EQ(s->HALOC[1][1], 69.7f);
  EXPECT_FLOAT_EQ(s->HALOC[2][1], 3.6f);
  EXPECT_EQ(s->HALOC[5][1], 0.0f);
  EXPECT_FLOAT_EQ(s->HALOC[8][1], 3.2f);
}

TEST(HistConc, ParabolasJoinTheCubicsIn1940And1950) {
  auto s = std::make_unique<OrvState>();
  for (int y = 1939; y <= 1952; ++y) HISTCONC(*s, ix(y));
  EXPECT_FLOAT_EQ(s->CH4[ix(1940)], 1100.0f);
  EXPECT_NEAR(s->CH4[ix(1941)], 1100.0 + 4.1885 + 0.26643 - 0.0010469, 1e-3);
  EXPECT_FLOAT_EQ(s->N2O[ix(1950)], 290.0f);
  EXPECT_NEAR(s->N2O[ix(1951)], 290.0 + 0.199 - 0.0083435 + 0.00061685, 1e-4);
}

TEST(HistConc, CubicRowsChosenByYear) {
  auto s = std::make_unique<OrvState>();
  for (int y : {1975, 1985, 1995, 2000}) HISTCONC(*s, ix(y));
  EXPECT_NEAR(s->CH4[ix(1975)], 1420.0 + 17.0 * 6 - 0.5 * 36 + 0.03 * 216, 1e-3);
  EXPECT_NEAR(s->CH4[ix(1985)], 1570.0 + 16.0 * 6 - 0.3 * 36, 1e-3);
  EXPECT_NEAR(s->CH4[ix(2000)], 1700.0 + 10.0 * 11 - 1.0 * 121 + 0.06 * 1331, 1e-3);
  EXPECT_NEAR(s->N2O[ix(1975)], 295.0 + 0.55 * 6 + 0.005 * 36, 1e-4);
  EXPECT_NEAR(s->N2O[ix(1995)], 308.0 + 0.75 * 6 + 0.01 * 36 - 0.0005 * 216, 1e-4);
}

TEST(HistConc, SulphurHistoryCheckpoints) {
  auto s = std::make_unique<OrvState>();
  s->ES1990 = 63.968f;
  for (int y = 1855; y <= 1995; ++y) HISTCONC(*s, ix(y));
  EXPECT_EQ(s->SO2[ix(1859)], 0.0f);
  EXPECT_EQ(s->SO2[ix(1860)], 0.0f);
  EXPECT_NEAR(s->SO2[ix(1900)], 40.0 * 35.0 / 93.0, 1e-5);
  EXPECT_FLOAT_EQ(s->SO2[ix(1953)], 35.0f);
  EXPECT_FLOAT_EQ(s->SO2[ix(1973)], 68.0f);
  EXPECT_FLOAT_EQ(s->SO2[ix(1990)], 63.968f);
  EXPECT_NEAR(s->SO2[ix(1995)], 63.968 - 5 * 1.876 / 10, 1e-5);
  // Element i+1 is written with the next year's rule.
  EXPECT_NEAR(s->SO2[ix(1996)], 63.968 - 6 * 1.876 / 10, 1e-5);
}

std::unique_ptr<OrvState> methaneState() {
  auto s = std::make_unique<OrvState>();
  s->CH4CONV = 2.78f;
  s->CH4REF = 1750.0f;
  s->GAMOH = 1.0f;
  s->TAUOTHER = 1.0f / (1.0f / 160.0f + 1.0f / 120.0f);
  return s;
}

TEST(Ch4Step, SteadyStateReturnsTheSameConcentrationAndLifetime) {
  auto s = methaneState();
  const float B = s->CH4CONV * s->CH4REF, TAU0 = 9.6f;
  const float E = B / TAU0 + B / s->TAUOTHER;
  for (int feedback : {0, 1}) {
    const CH4Result r = CH4STEP(*s, feedback, s->CH4REF, E, 0.0f, 0.0f, 0.0f, TAU0, 0.32f,
                                -0.0042f, 0.000105f, 0.000315f, 0.0f);
    EXPECT_NEAR(r.C, s->CH4REF, 1e-3) << feedback;
    EXPECT_NEAR(r.TAU, TAU0, 1e-5) << feedback;
  }
}

TEST(Ch4Step, SelfFeedbackEmissionsAndWarmingActOnTheLifetime) {
  auto s = methaneState();
  const float B = s->CH4CONV * s->CH4REF, TAU0 = 9.6f;
  const float E = B / TAU0 + B / s->TAUOTHER;
  auto step = [&](int fb, float e, float dNOX, float S, float dT, float Cprev = 1750.0f) {
    return CH4STEP(*s, fb, Cprev, e, dNOX, 0.0f, 0.0f, TAU0, S, -0.0042f, 0.0f, 0.0f, dT);
  };
  // At the reference concentration the mid-year correction cancels the
  // self-feedback within the year.
  EXPECT_NEAR(step(0, E + 50.0f, 0.0f, 0.32f, 0.0f).TAU, TAU0, 2e-3);
  // Methane above the reference lengthens its own lifetime.
  const CH4Result high = step(0, E, 0.0f, 0.32f, 0.0f, 2000.0f);
  EXPECT_NEAR(high.TAU, TAU0 * std::pow(2000.0 / 1750.0, 0.32), 0.01);
  EXPECT_GT(high.C, step(0, E, 0.0f, 0.0f, 0.0f, 2000.0f).C);
  // More NOx (negative coefficient) shortens it: exp(-0.0042*10).
  EXPECT_NEAR(step(0, E, 10.0f, 0.0f, 0.0f).TAU, TAU0 * std::exp(-0.042), 1e-4);
  // Warming shortens it only with the feedback switched on.
  EXPECT_NEAR(step(1, E, 0.0f, 0.0f, 1.0f).TAU, TAU0 / (1.0 + 0.0316), 1e-4);
  EXPECT_NEAR(step(0, E, 0.0f, 0.0f, 1.0f).TAU, TAU0, 1e-6);
  EXPECT_LT(step(1, E, 0.0f, 0.0f, 1.0f).C, s->CH4REF);
}

TEST(N2OStep, SteadyStateAndLaggedLoss) {
  auto s = std::make_unique<OrvState>();
  s->N2OCONV = 4.8f;
  s->N2OREF = 314.0f;
  s->TAUN2O = 120.0f;
  s->SN2O = -0.05f;
  const float B = s->N2OCONV * s->N2OREF;
  const float E = B / s->TAUN2O;
  EXPECT_NEAR(N2OSTEP(*s, 314.0f, 314.0f, 314.0f, E), 314.0f, 1e-4);
  // The loss follows the lagged concentrations, not the year before.
  const float lowLag = N2OSTEP(*s, 314.0f, 300.0f, 300.0f, E);
  EXPECT_NEAR(lowLag, 314.0 + (E - 300.0 * 4.8 / 120.0) / 4.8, 0.02);
  EXPECT_GT(lowLag, 314.0f);
}

TEST(Kyoto, LongLivedGasesIgnoreTheMethaneLifetime) {
  for (int k : {1, 2, 8}) {
    const KyotoResult ref = KYOTO(k, 10.0f, 100.0f, 9.6f, 9.6f);
    const KyotoResult other = KYOTO(k, 10.0f, 100.0f, 9.6f, 4.0f);
    EXPECT_EQ(ref.C, other.C) << k;
    EXPECT_EQ(ref.Q, other.Q) << k;
  }
  for (int k = 3; k <= 7; ++k) {
    EXPECT_NE(KYOTO(k, 10.0f, 100.0f, 9.6f, 9.6f).C, KYOTO(k, 10.0f, 100.0f, 9.6f, 4.0f).C) << k;
  }
}

TEST(Kyoto, MidPointFormAndForcing) {
  // HFC-134a: 13.8 yr, 17.14 kt per ppt, 0.15 W m-2 ppb-1.
  const KyotoResult r = KYOTO(4, 10.0f, 2.0f * 17.14f, 9.6f, 9.6f);
  const double k = 1.0 / (2.0 * 13.8);
  const double c = ((1.0 - k) * 10.0 + 2.0) / (1.0 + k);
  EXPECT_NEAR(r.C, c, 1e-5);
  EXPECT_NEAR(r.Q, 0.15 * c / 1000.0, 1e-8);
  // With half the methane lifetime the OH-sensitive lifetime halves too.
  const KyotoResult h = KYOTO(4, 10.0f, 2.0f * 17.14f, 9.6f, 4.8f);
  const double kh = 1.0 / (2.0 * 6.9);
  EXPECT_NEAR(h.C, ((1.0 - kh) * 10.0 + 2.0) / (1.0 + kh), 1e-5);
}

TEST(Kyoto, ExponentialFormBelowOneYear) {
  // HFC-245ca (6.6 yr) at a tenth of the methane lifetime: 0.66 yr.
  const KyotoResult r = KYOTO(7, 10.0f, 3.0f * 22.52f, 9.6f, 0.96f);
  const double tau = 6.6 * 0.1;
  const double c = 10.0 * std::exp(-1.0 / tau) + tau * (1.0 - std::exp(-1.0 / tau)) * 3.0;
  EXPECT_NEAR(r.C, c, 1e-4);
  EXPECT_GT(r.C, 0.0f);
}

}  // namespace
}  // namespace orv
