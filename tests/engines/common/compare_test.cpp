// Pattern comparison, rounding of correlations to percentages, and the
// top-eight ranking.
#include "engines/common/compare.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

eng::Mask whole() {
  eng::Mask m;
  m.v.fill(1);
  return m;
}

eng::Field pattern(double scale, double offset) {
  eng::Field F;
  for (int i = 1; i <= eng::NLAT; ++i)
    for (int j = 1; j <= eng::NLON; ++j) F(i, j) = offset + scale * std::sin(0.3 * i + 0.11 * j);
  return F;
}

TEST(Compare, IdenticalFields) {
  const eng::Field A = pattern(2.0, 1.0);
  for (int IWT : {0, 1}) {
    const eng::Comparison r = eng::Compare(IWT, A, A, whole());
    EXPECT_NEAR(r.R, 1.0, 1e-12);
    EXPECT_EQ(r.IR, 100);
    EXPECT_DOUBLE_EQ(r.RMSE, 0.0);
    EXPECT_DOUBLE_EQ(r.MEANDIFF, 0.0);
    EXPECT_EQ(r.N, 2592);
  }
}

TEST(Compare, ConstantFieldHasNoCorrelationButDifferences) {
  eng::Field A;
  A.fill(3.0);
  eng::Field B;
  B.fill(1.0);
  B(5, 5) = 2.0;
  const eng::Comparison r = eng::Compare(0, A, B, whole());
  EXPECT_EQ(r.R, eng::MISSING);
  EXPECT_EQ(r.IR, -9999);
  EXPECT_NEAR(r.MEANDIFF, 2.0 - 1.0 / 2592, 1e-12);
  EXPECT_NEAR(r.RMSE, std::sqrt((2591 * 4.0 + 1.0) / 2592), 1e-12);
}

TEST(Compare, ScaledAndShiftedPatternCorrelatesFully) {
  const eng::Field A = pattern(1.0, 0.0);
  const eng::Field B = pattern(-3.0, 5.0);
  EXPECT_NEAR(eng::Compare(1, A, B, whole()).R, -1.0, 1e-9);
  EXPECT_EQ(eng::Compare(1, A, B, whole()).IR, -100);
  // A - B = 4A - 5.
  double meanA = 0.0;
  for (double v : A.v) meanA += v / eng::NGRID;
  EXPECT_NEAR(eng::Compare(0, A, B, whole()).MEANDIFF, 4.0 * meanA - 5.0, 1e-9);
}

TEST(Compare, MaskWeightsAndCounts) {
  eng::Field A, B;
  A.fill(eng::MISSING);
  B.fill(0.0);
  eng::Mask M;
  // Two boxes on the equator row, one on a high row; the digit 2 doubles a box.
  A(18, 1) = 1.0; B(18, 1) = 2.0; M(18, 1) = 2;
  A(18, 2) = 3.0; B(18, 2) = 3.0; M(18, 2) = 1;
  A(2, 1) = 5.0;  B(2, 1) = 9.0;  M(2, 1) = 1;
  A(20, 20) = 7.0; B(20, 20) = eng::MISSING; M(20, 20) = 1;  // not both valid
  eng::Comparison r = eng::Compare(0, A, B, M);
  EXPECT_EQ(r.N, 4);
  EXPECT_NEAR(r.MEANDIFF, (2 * -1.0 + 0.0 + -4.0) / 4, 1e-12);
  const double c18 = eng::grid_tables().COSLAT[18], c2 = eng::grid_tables().COSLAT[2];
  r = eng::Compare(1, A, B, M);
  EXPECT_NEAR(r.MEANDIFF, (2 * c18 * -1.0 + c2 * -4.0) / (3 * c18 + c2), 1e-12);
  // Without the mask every box where both are valid counts once.
  r = eng::Compare(0, A, B, M, 0);
  EXPECT_EQ(r.N, 3);
  EXPECT_NEAR(r.MEANDIFF, (-1.0 + 0.0 - 4.0) / 3, 1e-12);
}

TEST(Compare, NoWeightGivesTheMissingMarkers) {
  const eng::Field A = pattern(1.0, 0.0);
  const eng::Comparison r = eng::Compare(0, A, A, eng::Mask{});
  EXPECT_EQ(r.R, eng::MISSING);
  EXPECT_EQ(r.RMSE, eng::MISSING);
  EXPECT_EQ(r.MEANDIFF, static_cast<double>(-99.9f));
  EXPECT_EQ(r.IR, -9999);
  EXPECT_EQ(r.N, 0);
}

TEST(Percent, HalvesGoAwayFromZero) {
  EXPECT_EQ(eng::percent(0.005), 1);
  EXPECT_EQ(eng::percent(-0.005), -1);
  EXPECT_EQ(eng::percent(0.004), 0);
  EXPECT_EQ(eng::percent(0.876), 88);
  EXPECT_EQ(eng::percent(-0.876), -88);
  EXPECT_EQ(eng::percent(1.0), 100);
  EXPECT_EQ(eng::percent(eng::MISSING), -9999);
}

eng::CorrTable<double> table(int n, std::initializer_list<double> upper) {
  eng::CorrTable<double> C{};
  auto it = upper.begin();
  for (int i = 1; i < n; ++i)
    for (int j = i + 1; j <= n; ++j) C[i][j] = C[j][i] = *it++;
  return C;
}

TEST(Rank, TiesTakeConsecutivePlaces) {
  // Pairs (1,2) 0.9, (1,3) 0.5, (2,3) 0.5.
  const eng::Ranking r = eng::Rank(3, table(3, {0.9, 0.5, 0.5}));
  EXPECT_EQ(r.TOP[1], 0.9);
  EXPECT_EQ(r.TOP[2], 0.5);
  EXPECT_EQ(r.TOP[3], 0.5);
  for (int k = 4; k <= 8; ++k) EXPECT_EQ(r.TOP[k], -1.0) << k;
  EXPECT_EQ(r.BOT[1], 0.5);
  EXPECT_EQ(r.BOT[2], 0.5);
  EXPECT_EQ(r.BOT[3], 0.9);
  for (int k = 4; k <= 8; ++k) EXPECT_EQ(r.BOT[k], 1.0) << k;
}

TEST(Rank, KeepsTheEightLargestAndSmallestInOrder) {
  // Five cases: ten pairs, values out of order.
  const eng::Ranking r =
      eng::Rank(5, table(5, {0.1, 0.7, -0.3, 0.95, 0.4, 0.2, -0.8, 0.6, 0.0, 0.3}));
  const double top[] = {0.95, 0.7, 0.6, 0.4, 0.3, 0.2, 0.1, 0.0};
  const double bot[] = {-0.8, -0.3, 0.0, 0.1, 0.2, 0.3, 0.4, 0.6};
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(r.TOP[k], top[k - 1]) << k;
    EXPECT_EQ(r.BOT[k], bot[k - 1]) << k;
  }
}

// Guards the last step of an insertion: a value between the seventh and the
// eighth entry of a full list replaces the eighth.
TEST(Rank, FullListReplacesItsEighthEntry) {
  // Five cases, ten pairs: 0.1 arrives after eight larger values and 0.0.
  const eng::Ranking up =
      eng::Rank(5, table(5, {0.8, 0.7, 0.6, 0.5, 0.4, 0.3, 0.2, 0.0, 0.1, -0.9}));
  const double top[] = {0.8, 0.7, 0.6, 0.5, 0.4, 0.3, 0.2, 0.1};
  const eng::Ranking down =
      eng::Rank(5, table(5, {-0.8, -0.7, -0.6, -0.5, -0.4, -0.3, -0.2, 0.0, -0.1, 0.9}));
  const double bot[] = {-0.8, -0.7, -0.6, -0.5, -0.4, -0.3, -0.2, -0.1};
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(up.TOP[k], top[k - 1]) << k;
    EXPECT_EQ(down.BOT[k], bot[k - 1]) << k;
  }
}

TEST(Rank, OneCaseHasNoPairs) {
  const eng::Ranking r = eng::Rank(1, eng::CorrTable<double>{});
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(r.TOP[k], -1.0);
    EXPECT_EQ(r.BOT[k], 1.0);
  }
}

}  // namespace
