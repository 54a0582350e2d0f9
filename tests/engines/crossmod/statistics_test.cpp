// Gridpoint statistics of the cases (mean, spread, signal-to-noise ratio,
// count and probability of an increase), the scaled fields, the new climates
// and the drift, on hand-made fields.
#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "engines/crossmod/drift.h"
#include "engines/crossmod/gridpoint_stats.h"
#include "engines/crossmod/scaled_fields.h"
#include "case_state.h"

namespace {

using xm::MISSING;
using xmtest::cases;

TEST(GridpointStatistics, ThreeCasesOneTwoThree) {
  auto s = cases(3);
  for (int k = 1; k <= 3; ++k) s->X[k](10, 20) = k;
  xm::gridpoint_statistics(*s);
  EXPECT_DOUBLE_EQ(s->XM(10, 20), 2.0);
  EXPECT_NEAR(s->ISD(10, 20), std::sqrt(2.0 / 3.0), 1e-12);
  EXPECT_NEAR(s->SNR(10, 20), 2.0 / std::sqrt(2.0 / 3.0), 1e-12);
  EXPECT_NEAR(s->SNR(10, 20), 2.449, 5e-4);
  EXPECT_DOUBLE_EQ(s->X[4](10, 20), 2.0);  // the mean slot
  // Elsewhere all three cases are 0: no spread, no ratio.
  EXPECT_DOUBLE_EQ(s->ISD(1, 1), 0.0);
  EXPECT_EQ(s->SNR(1, 1), MISSING);
}

TEST(GridpointStatistics, SmallVarianceIsZeroAndOneCaseHasNoSpread) {
  auto s = cases(2, 1.0);
  s->X[2](3, 3) = 1.0015;  // variance 5.6E-7 < 1.0E-6
  s->X[2](4, 4) = 1.0030;  // variance 2.25E-6
  xm::gridpoint_statistics(*s);
  EXPECT_DOUBLE_EQ(s->ISD(3, 3), 0.0);
  EXPECT_EQ(s->SNR(3, 3), MISSING);
  EXPECT_NEAR(s->ISD(4, 4), 0.0015, 1e-9);

  auto one = cases(1, 0.7);
  xm::gridpoint_statistics(*one);
  EXPECT_DOUBLE_EQ(one->ISD(1, 1), 0.0);
  EXPECT_EQ(one->SNR(1, 1), MISSING);
}

TEST(GridpointStatistics, SignalToNoiseIsClampedAbove) {
  auto s = cases(2);
  s->X[1](1, 1) = 5.0 - 0.001;
  s->X[2](1, 1) = 5.0 + 0.001;  // 5 / 0.001 = 5000
  s->X[1](1, 2) = -5.0 - 0.001;
  s->X[2](1, 2) = -5.0 + 0.001;  // no lower bound
  xm::gridpoint_statistics(*s);
  EXPECT_EQ(s->SNR(1, 1), static_cast<double>(999.999f));
  EXPECT_NEAR(s->SNR(1, 2), -5000.0, 1e-3);
}

TEST(ProbabilityOfIncrease, NormalTail) {
  EXPECT_NEAR(xm::PROBINC(0.0, 0.5, 0.0), 0.5, 1e-6);      // on the threshold
  EXPECT_EQ(xm::PROBINC(10.0, 1.0, 0.0), 1.0);             // z > 8: exactly 1
  EXPECT_EQ(xm::PROBINC(-10.0, 1.0, 0.0), 0.0);
  EXPECT_NEAR(xm::PROBINC(1.0, 1.0, 0.0), 0.8413, 1e-4);   // one S.D. above
  EXPECT_NEAR(xm::PROBINC(-1.0, 1.0, 0.0), 0.1587, 1e-4);  // one S.D. below
  EXPECT_NEAR(xm::PROBINC(2.5, 1.0, 1.5), 0.8413, 1e-4);   // the threshold shifts d
  // No spread: S.D. raised to 1.0E-4, so any distance counts as certain.
  EXPECT_EQ(xm::PROBINC(0.01, 0.0, 0.0), 1.0);
}

TEST(ProbabilityOfIncrease, FromTheCases) {
  auto s = cases(3);
  s->cfg.THRESH = 0.0;
  for (int k = 1; k <= 3; ++k) s->X[k](2, 2) = k - 2.0;  // -1, 0, 1: XM = 0
  xm::gridpoint_statistics(*s);
  EXPECT_NEAR(s->PROB(2, 2), 0.5, 1e-6);
  EXPECT_EQ(s->NINCR(2, 2), 1);

  // A single case: PROB is the count, 1 above the threshold and 0 at or below it.
  auto one = cases(1, 0.5);
  one->cfg.THRESH = 0.5;
  one->X[1](7, 7) = 0.6;
  xm::gridpoint_statistics(*one);
  EXPECT_EQ(one->PROB(7, 7), 1.0);
  EXPECT_EQ(one->PROB(7, 8), 0.0);
  EXPECT_EQ(one->NINCR(7, 7), 1);
}

TEST(GridpointStatistics, BoxWithoutValidCaseIsMissingProbabilityIncluded) {
  for (int n : {1, 3}) {
    auto s = cases(n, 1.0);
    for (int k = 1; k <= n; ++k) s->X[k](5, 6) = MISSING;
    s->X[1](5, 7) = MISSING;  // one case missing: the others still count
    xm::gridpoint_statistics(*s);
    EXPECT_EQ(s->XM(5, 6), MISSING);
    EXPECT_EQ(s->ISD(5, 6), MISSING);
    EXPECT_EQ(s->SNR(5, 6), MISSING);
    EXPECT_EQ(s->PROB(5, 6), MISSING) << n << " cases";
    EXPECT_EQ(s->NINCR(5, 6), 0);
    EXPECT_EQ(s->X[n + 1](5, 6), MISSING);
    if (n == 3) {
      EXPECT_DOUBLE_EQ(s->XM(5, 7), 1.0);
    }
  }
}

TEST(GridpointStatistics, AerosolOnlyRunKeepsOnlyTheMeanSlot) {
  auto s = cases(1, 2.0);
  s->cfg.KRUN = 1;
  xm::gridpoint_statistics(*s);
  EXPECT_EQ(s->XM(1, 1), MISSING);
  EXPECT_EQ(s->ISD(1, 1), MISSING);
  EXPECT_EQ(s->SNR(1, 1), MISSING);
  EXPECT_EQ(s->PROB(1, 1), MISSING);
  EXPECT_EQ(s->NINCR(1, 1), 0);
  EXPECT_DOUBLE_EQ(s->X[2](1, 1), 2.0);
}

// Weights and patterns for the scaled fields.
void weights(xm::XmState& s, double GHGWT, double GLOBWT) {
  s.weights.GHGWT = GHGWT;
  s.weights.GLOBWT = GLOBWT;
  s.weights.EURWT = 0.5;
  s.weights.ASIAWT = -1.0;
  s.weights.ROWWT = 2.0;
  s.P1.fill(0.2);
  s.P2.fill(0.3);
  s.P3.fill(0.1);  // A = 0.1 - 0.3 + 0.2 = 0.0 … use a box of its own below
  s.P1(1, 1) = 1.0;  // A(1,1) = 0.5 - 0.3 + 0.2 = 0.4
  s.DTGHG = s.cfg.ISULF == 1 ? GHGWT : GLOBWT;
}

TEST(ScaledChanges, LinearAndExponentialPrecipitation) {
  for (int ISCALE : {1, 2}) {
    auto s = cases(1, 10.0);
    s->cfg.IVAR = 2;
    s->cfg.ISCALE = ISCALE;
    weights(*s, 2.0, 2.0);
    xm::gridpoint_statistics(*s);
    xm::scaled_changes(*s);
    EXPECT_NEAR(s->G2(2, 2), ISCALE == 1 ? 20.0 : 21.0, 1e-9);
  }
  // Temperature scales linearly under both settings.
  auto t = cases(1, 10.0);
  t->cfg.ISCALE = 2;
  weights(*t, 2.0, 2.0);
  xm::gridpoint_statistics(*t);
  xm::scaled_changes(*t);
  EXPECT_DOUBLE_EQ(t->G2(2, 2), 20.0);
}

TEST(ScaledChanges, WithoutAerosolsTheTotalWarmingScalesTheChange) {
  auto s = cases(1, 2.0);
  s->cfg.ISULF = 0;
  weights(*s, 1.5, 1.2);
  xm::gridpoint_statistics(*s);
  xm::scaled_changes(*s);
  EXPECT_NEAR(s->G1(1, 1), 2.4, 1e-12);
  EXPECT_NEAR(s->G2(1, 1), 3.0, 1e-12);
  EXPECT_NEAR(s->D(1, 1), 2.4, 1e-12);
  EXPECT_NEAR(s->A(1, 1), 0.4, 1e-12);  // still formed and reported
  EXPECT_NEAR(s->T(1, 1), 3.4, 1e-12);
}

TEST(ScaledChanges, AerosolsAddedWhereTheGhgChangeIsValid) {
  auto s = cases(2, 1.0);
  s->X[1](1, 2) = s->X[2](1, 2) = MISSING;
  weights(*s, 2.0, 1.0);
  xm::gridpoint_statistics(*s);
  xm::scaled_changes(*s);
  EXPECT_NEAR(s->T(1, 1), 2.4, 1e-12);
  EXPECT_NEAR(s->D(1, 1), 2.4, 1e-12);
  // No valid case at the box: MISSING, not the aerosol change.
  EXPECT_EQ(s->G1(1, 2), MISSING);
  EXPECT_EQ(s->G2(1, 2), MISSING);
  EXPECT_EQ(s->T(1, 2), MISSING);
}

TEST(ScaledChanges, AerosolOnlyRunUsesTheAerosolChange) {
  auto s = cases(1, 1.0);
  s->cfg.KRUN = 1;
  weights(*s, 2.0, 1.0);
  xm::gridpoint_statistics(*s);
  xm::scaled_changes(*s);
  for (int m = 0; m < eng::NGRID; ++m) {
    EXPECT_EQ(s->G1.v[m], MISSING);
    EXPECT_EQ(s->G2.v[m], MISSING);
    EXPECT_EQ(s->T.v[m], s->A.v[m]);
  }
  EXPECT_NEAR(s->D(1, 1), 0.4, 1e-12);
}

TEST(Baselines, ModelMeanErrorFieldAndNewClimates) {
  auto s = cases(2);
  s->cfg.IVAR = 2;
  s->B[1].fill(2.0);
  s->B[2].fill(4.0);
  s->B[2](1, 1) = MISSING;
  s->B[1](1, 2) = s->B[2](1, 2) = MISSING;
  s->OBS.fill(2.0);
  s->OBS(2, 1) = 0.005;   // dry: the ratio is not formed
  s->OBS(2, 2) = 0.2;     // 100*(3/0.2 - 1) = 1400, capped
  s->OBS(2, 3) = MISSING;
  s->D.fill(-50.0);
  s->D(3, 3) = MISSING;
  xm::baseline_fields(*s);
  xm::new_climates(*s);
  EXPECT_DOUBLE_EQ(s->BM(1, 1), 2.0);
  EXPECT_DOUBLE_EQ(s->BM(3, 3), 3.0);
  EXPECT_EQ(s->BM(1, 2), MISSING);
  EXPECT_NEAR(s->ERRFLD(3, 3), 50.0, 1e-12);
  EXPECT_EQ(s->ERRFLD(2, 1), static_cast<double>(999.99f));
  EXPECT_EQ(s->ERRFLD(2, 2), static_cast<double>(999.99f));
  EXPECT_EQ(s->ERRFLD(2, 3), MISSING);
  EXPECT_EQ(s->ERRFLD(1, 2), MISSING);
  // Precipitation changed by -50 %.
  EXPECT_DOUBLE_EQ(s->NO(1, 1), 1.0);
  EXPECT_DOUBLE_EQ(s->NM(4, 4), 1.5);
  EXPECT_EQ(s->NM(1, 2), MISSING);
  EXPECT_EQ(s->NO(2, 3), MISSING);
  // A missing change gives a missing climate, not baseline * 0.0001.
  EXPECT_EQ(s->NO(3, 3), MISSING);
  EXPECT_EQ(s->NM(3, 3), MISSING);

  s->cfg.IVAR = 1;
  xm::baseline_fields(*s);
  xm::new_climates(*s);
  EXPECT_DOUBLE_EQ(s->ERRFLD(3, 3), 1.0);
  EXPECT_DOUBLE_EQ(s->ERRFLD(2, 1), 3.0 - 0.005);
  EXPECT_DOUBLE_EQ(s->NO(1, 1), -48.0);
  EXPECT_EQ(s->NO(3, 3), MISSING);  // not 2.0 - 99.99

  s->cfg.KRUN = 1;
  xm::baseline_fields(*s);
  EXPECT_EQ(s->BM(3, 3), MISSING);
  EXPECT_EQ(s->ERRFLD(3, 3), MISSING);
}

TEST(Drift, MeanDefinitionDifferenceOverModelsWithBoth) {
  auto s = cases(4);  // two models in definition mode 3
  s->cfg.NMODS = s->cfg.NMODIN = 2;
  s->cfg.IDEF = 3;
  s->X[1].fill(3.0);
  s->X[2].fill(1.0);
  s->X[3].fill(1.0);   // model 1, definition 2
  s->X[4].fill(2.0);   // model 2, definition 2
  s->X[4](1, 1) = MISSING;
  s->X[1](1, 2) = s->X[2](1, 2) = MISSING;
  xm::model_mean_drift(*s);
  EXPECT_DOUBLE_EQ(s->DRIFT(2, 2), (2.0 + -1.0) / 2);
  EXPECT_DOUBLE_EQ(s->DRIFT(1, 1), 2.0);
  EXPECT_EQ(s->DRIFT(1, 2), MISSING);

  s->cfg.IVAR = 2;
  xm::model_mean_drift(*s);
  EXPECT_NEAR(s->DRIFT(2, 2), (2.0 / 1.01 + -1.0 / 1.02) / 2, 1e-12);
}

}  // namespace
