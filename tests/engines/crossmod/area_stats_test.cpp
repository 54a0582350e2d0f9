// Area statistics of the cases and the model means, and the summaries of the
// correlation table (RBAR and the average correlation of a case).
#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "engines/crossmod/area_stats.h"
#include "engines/crossmod/correlations.h"
#include "engines/crossmod/gridpoint_stats.h"
#include "engines/crossmod/scaled_fields.h"
#include "case_state.h"

namespace {

using xm::MISSING;

// n cases of no change, a GHG warming of 2 and every box in the area.
std::unique_ptr<xm::XmState> cases(int n) {
  auto s = xmtest::cases(n);
  s->weights.GHGWT = 2.0;
  s->area.MASK.v.fill(1);
  return s;
}

TEST(CaseAreaStatistics, SpreadOfTheCaseMeansSkipsCasesMissingInTheArea) {
  auto s = cases(3);
  s->X[1].fill(1.0);
  s->X[2].fill(3.0);
  s->X[3].fill(MISSING);  // no valid box: its area mean is MISSING
  xm::case_area_statistics(*s);
  EXPECT_DOUBLE_EQ(s->XAVE[1].mean, 1.0);
  EXPECT_DOUBLE_EQ(s->XAVE[1].sd, 0.0);
  EXPECT_EQ(s->XAVE[3].mean, MISSING);
  EXPECT_NEAR(s->YAVE[2].mean, 6.0, 1e-9);
  EXPECT_NEAR(s->OVMEAN, 2.0, 1e-9);  // not (1 + 3 - 99.99) / 3
  EXPECT_NEAR(s->IMSD, 1.0, 1e-9);

  s->X[1].fill(MISSING);
  s->X[2].fill(MISSING);
  xm::case_area_statistics(*s);
  EXPECT_EQ(s->OVMEAN, MISSING);
  EXPECT_EQ(s->IMSD, MISSING);
}

TEST(CaseAreaStatistics, OneCaseHasNoInterModelSpread) {
  auto s = cases(1);
  for (int m = 0; m < eng::NGRID; ++m) s->X[1].v[m] = 0.37 + 0.001 * (m % 17);
  xm::gridpoint_statistics(*s);
  xm::case_area_statistics(*s);
  EXPECT_EQ(s->IMSD, 0.0);
  EXPECT_DOUBLE_EQ(s->OVMEAN, s->XAVE[1].mean);
  EXPECT_DOUBLE_EQ(s->XAVE[2].mean, s->XAVE[1].mean);  // the mean slot
}

TEST(AreaThresholds, SmallPolarAreaKeepsCaseAndBaselineMeansOnly) {
  auto s = cases(2);
  s->area.MASK.v.fill(0);
  // Seven boxes of the northernmost row: weight 7 * cos(87.5 deg) = 0.305.
  for (int j = 1; j <= 7; ++j) s->area.MASK(1, j) = 1;
  for (int k = 1; k <= 2; ++k) {
    s->X[k].fill(0.5 * k);
    s->B[k].fill(10.0 * k);
  }
  s->P1.fill(1.0);
  s->weights.EURWT = 0.1;
  s->DTGHG = 2.0;
  xm::gridpoint_statistics(*s);
  xm::scaled_changes(*s);
  xm::baseline_fields(*s);
  xm::case_area_statistics(*s);
  xm::baseline_area_statistics(*s);
  xm::model_mean_area_averages(*s);
  EXPECT_DOUBLE_EQ(s->XAVE[2].mean, 1.0);
  EXPECT_DOUBLE_EQ(s->BAVE[1].mean, 10.0);
  EXPECT_DOUBLE_EQ(s->BAVE[3].mean, 15.0);  // BM after the models
  EXPECT_EQ(s->AVISD, MISSING);
  EXPECT_EQ(s->AVSNR, MISSING);
  EXPECT_EQ(s->AVPROB, MISSING);
  EXPECT_EQ(s->AVG2, MISSING);
  EXPECT_EQ(s->AERAVE, MISSING);
  EXPECT_EQ(s->AVT, MISSING);

  // One more box brings the weight to 0.5 and the summaries appear.
  for (int j = 1; j <= 5; ++j) s->area.MASK(1, 10 + j) = 1;
  xm::model_mean_area_averages(*s);
  EXPECT_NEAR(s->AVISD, 0.25, 1e-12);
  EXPECT_NEAR(s->AERAVE, 0.1, 1e-12);
  EXPECT_NEAR(s->AVG2, 1.5, 1e-12);
  EXPECT_NEAR(s->AVT, 1.6, 1e-12);
}

TEST(ScaledCaseAverage, AerosolsAddedOnlyToValidMeans) {
  auto s = cases(2);
  s->YAVE[1].mean = 1.25;
  s->YAVE[2].mean = MISSING;
  s->AERAVE = -0.25;
  EXPECT_DOUBLE_EQ(xm::scaled_case_average(*s, 1), 1.0);
  EXPECT_EQ(xm::scaled_case_average(*s, 2), MISSING);  // not -100.24
  s->AERAVE = MISSING;
  EXPECT_EQ(xm::scaled_case_average(*s, 1), MISSING);
}

TEST(CorrelationSummaries, RbarOverValidPairsOnly) {
  eng::CorrTable<double> CORR{};
  CORR[1][2] = CORR[2][1] = 0.9;
  CORR[1][3] = CORR[3][1] = 0.5;
  CORR[2][3] = CORR[3][2] = MISSING;
  EXPECT_DOUBLE_EQ(xm::RBAR(3, CORR), 0.7);
  EXPECT_EQ(xm::RBAR(1, CORR), MISSING);  // no pair
  CORR[1][2] = CORR[1][3] = MISSING;
  EXPECT_EQ(xm::RBAR(3, CORR), MISSING);
}

TEST(CorrelationSummaries, AverageCorrelationAsWholePercent) {
  eng::CorrTable<double> CORR{};
  for (int i = 1; i <= 3; ++i) CORR[i][i] = 1.0;
  CORR[1][2] = CORR[2][1] = 0.004;
  CORR[1][3] = CORR[3][1] = 0.006;  // case 1: mean 0.005 -> 1
  CORR[2][3] = CORR[3][2] = -0.014;  // case 2: mean -0.005 -> -1
  EXPECT_EQ(xm::average_correlation(3, 1, CORR), 1);
  EXPECT_EQ(xm::average_correlation(3, 2, CORR), -1);
  CORR[3][1] = CORR[3][2] = MISSING;
  EXPECT_EQ(xm::average_correlation(3, 3, CORR), -9999);
  EXPECT_EQ(xm::average_correlation(1, 1, CORR), -9999);
}

}  // namespace
