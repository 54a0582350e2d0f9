// Land and ocean feedback parameters for a prescribed equilibrium
// land/ocean warming ratio, checked against the four-box equilibrium.
#include "orvtar/physics/land_ocean_feedback.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace orv {
namespace {

constexpr float FL1 = 0.42f, FL2 = 0.21f;
const float Q2X = 5.35f * std::log(2.0f);

struct Equilibrium {
  float global, ratio;
};

Equilibrium equilibrium(float XO, float XL, float XKLO, float XKNS) {
  const BoxTemperatures t = boxEquilibrium(Q2X, XO, XL, FL1, FL2, XKLO, XKNS);
  const float fl1 = FL1 / 2, fl2 = FL2 / 2, fo1 = 0.5f - fl1, fo2 = 0.5f - fl2;
  const float land = (fl1 * t.TNL + fl2 * t.TSL) / (fl1 + fl2);
  const float ocean = (fo1 * t.TNO + fo2 * t.TSO) / (fo1 + fo2);
  return {fo1 * t.TNO + fl1 * t.TNL + fo2 * t.TSO + fl2 * t.TSL, land / ocean};
}

TEST(BoxEquilibrium, SolvesTheFourBalances) {
  const float XO = 1.9f, XL = 0.7f, XKLO = 1.0f, XKNS = 0.5f;
  const BoxTemperatures t = boxEquilibrium(Q2X, XO, XL, FL1, FL2, XKLO, XKNS);
  const float fl1 = 0.21f, fl2 = 0.105f, fo1 = 0.29f, fo2 = 0.395f, a = 0.5f, b = 0.25f;
  EXPECT_NEAR((XO * fo1 + b + a) * t.TNO - a * t.TNL - b * t.TSO, fo1 * Q2X, 1e-5f);
  EXPECT_NEAR(-a * t.TNO + (XL * fl1 + a) * t.TNL, fl1 * Q2X, 1e-5f);
  EXPECT_NEAR(-b * t.TNO + (XO * fo2 + b + a) * t.TSO - a * t.TSL, fo2 * Q2X, 1e-5f);
  EXPECT_NEAR(-a * t.TSO + (XL * fl2 + a) * t.TSL, fl2 * Q2X, 1e-5f);
  // One feedback everywhere: the global warming is Q/lambda.
  EXPECT_NEAR(equilibrium(1.5f, 1.5f, XKLO, XKNS).global, Q2X / 1.5f, 1e-5f);
}

TEST(LoFeed, KeepsTheGlobalSensitivityAtTheRequestedRatio) {
  for (float DT2X : {1.5f, 2.6f, 3.0f, 4.5f}) {
    for (float RLO : {0.9f, 1.05f, 1.2f, 1.4f, 2.0f}) {
      for (float XKLO : {0.5f, 1.0f}) {
        auto s = std::make_unique<OrvState>();
        EXPECT_TRUE(LOFEED(*s, Q2X, FL1, FL2, XKLO, XKLO, DT2X, RLO));
        const float XLAM = Q2X / DT2X;
        const float fl = 0.315f, fo = 0.685f;
        // The pair is tied by fl*RLO*(XL - XLAM) = fo*(XLAM - X).
        EXPECT_NEAR(fl * RLO * (s->XLAML - XLAM), fo * (XLAM - s->XLAMO), 2e-5f)
            << DT2X << " " << RLO << " " << XKLO;
        const Equilibrium e = equilibrium(s->XLAMO, s->XLAML, XKLO, XKLO);
        EXPECT_NEAR(e.ratio, RLO, 0.001f) << DT2X << " " << RLO << " " << XKLO;
        EXPECT_NEAR(e.global, DT2X, 0.002f * DT2X) << DT2X << " " << RLO << " " << XKLO;
      }
    }
  }
}

TEST(LoFeed, DefaultCaseGivesTheTrialPathsResult) {
  // The default land/ocean case (RLO 1.2, exchange 1.0) for the four
  // sensitivities, as printed with four decimals; the same figures come
  // from an independent double-precision trace of the search (six trials).
  const float expected[4][3] = {
      {1.5f, 2.8914f, 1.7126f}, {2.6f, 1.7716f, 0.8005f}, {3.0f, 1.5675f, 0.6356f}, {4.5f, 1.1247f, 0.2793f}};
  for (const auto& e : expected) {
    auto s = std::make_unique<OrvState>();
    LOFEED(*s, Q2X, FL1, FL2, 1.0f, 1.0f, e[0], 1.2f);
    EXPECT_NEAR(s->XLAMO, e[1], 0.00006f) << e[0];
    EXPECT_NEAR(s->XLAML, e[2], 0.00006f) << e[0];
  }
}

TEST(LoFeed, FirstTrialThatFitsKeepsTheGlobalParameter) {
  const float DT2X = 2.6f, XLAM = Q2X / DT2X;
  const float RLO = equilibrium(XLAM, XLAM, 1.0f, 1.0f).ratio;
  auto s = std::make_unique<OrvState>();
  EXPECT_TRUE(LOFEED(*s, Q2X, FL1, FL2, 1.0f, 1.0f, DT2X, RLO));
  EXPECT_EQ(s->XLAMO, XLAM);
  EXPECT_EQ(s->XLAML, XLAM);
}

TEST(LoFeed, UnitStepsAcrossTheLandPoleAreRetriedWithSmallerSteps) {
  // From XLAM = 0.824 a first step of 1.0 takes the land parameter to
  // -1.25, beyond the point where the land balance breaks down; the unit
  // search then cycles through three trials and never brackets 1.05.
  auto s = std::make_unique<OrvState>();
  EXPECT_TRUE(LOFEED(*s, Q2X, FL1, FL2, 0.5f, 0.5f, 4.5f, 1.05f));
  EXPECT_NEAR(equilibrium(s->XLAMO, s->XLAML, 0.5f, 0.5f).ratio, 1.05f, 0.001f);
  EXPECT_NEAR(equilibrium(s->XLAMO, s->XLAML, 0.5f, 0.5f).global, 4.5f, 0.01f);
}

TEST(LoFeed, StrongLandOceanExchangeGivesANegativeLandParameter) {
  auto s = std::make_unique<OrvState>();
  LOFEED(*s, Q2X, FL1, FL2, 3.0f, 3.0f, 4.5f, 1.4f);
  EXPECT_LT(s->XLAML, 0.0f);
  EXPECT_TRUE(std::isfinite(s->XLAMO));
  EXPECT_NEAR(equilibrium(s->XLAMO, s->XLAML, 3.0f, 3.0f).ratio, 1.4f, 0.001f);
}

}  // namespace
}  // namespace orv
