// Weighted percentiles against a sorted reference: with equal weights the
// p-quantile of n sorted values x_1..x_n is Hyndman and Fan's definition 5,
// h = n p + 1/2, x_floor(h) + (h - floor(h)) (x_floor(h)+1 - x_floor(h)),
// held at x_1 and x_n beyond them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "ensemble/percentiles.h"

namespace {

double reference_quantile(std::vector<double> x, double p) {
  std::sort(x.begin(), x.end());
  const double h = static_cast<double>(x.size()) * p + 0.5;
  if (h <= 1) return x.front();
  if (h >= static_cast<double>(x.size())) return x.back();
  const auto i = static_cast<std::size_t>(std::floor(h));
  return x[i - 1] + (h - std::floor(h)) * (x[i] - x[i - 1]);
}

std::vector<ens::WeightedValue> equal(const std::vector<double>& x, double w = 1.0) {
  std::vector<ens::WeightedValue> m;
  for (double v : x) m.push_back({v, w});
  return m;
}

TEST(Percentiles, EqualWeightsMatchTheSortedReference) {
  std::mt19937_64 g(11);
  std::normal_distribution<double> normal(2.0, 0.7);
  for (std::size_t n : {1u, 2u, 3u, 10u, 19u, 20u, 1000u}) {
    std::vector<double> x(n);
    for (double& v : x) v = normal(g);
    for (double w : {1.0, 0.001}) {
      std::vector<ens::WeightedValue> m = equal(x, w);
      const std::vector<double> p = ens::weighted_percentiles(m, ens::PERCENTILE_POINTS);
      for (std::size_t i = 0; i < ens::PERCENTILE_COUNT; ++i)
        EXPECT_NEAR(p[i], reference_quantile(x, ens::PERCENTILE_POINTS[i]), 1e-12)
            << n << " members, point " << ens::PERCENTILE_POINTS[i];
    }
  }
  // Four values 1..4: the median halfway between 2 and 3, the 5 % point
  // held at the smallest value, the 83 % point 0.82 of the way from 3 to 4.
  std::vector<ens::WeightedValue> four = equal({4, 1, 3, 2});
  const std::vector<double> p = ens::weighted_percentiles(four, ens::PERCENTILE_POINTS);
  EXPECT_DOUBLE_EQ(p[0], 1.0);
  EXPECT_DOUBLE_EQ(p[2], 2.5);
  EXPECT_NEAR(p[3], 3.82, 1e-12);
  EXPECT_DOUBLE_EQ(p[4], 4.0);
}

TEST(Percentiles, WeightsMoveThePointsAndZeroWeightsDropOut) {
  // Weights 1, 2, 1 at 0, 10, 20: positions 1/8, 1/2, 7/8.
  std::vector<ens::WeightedValue> m = {{20, 1}, {0, 1}, {10, 2}, {-100, 0}, {500, 0}};
  const std::vector<double> points = {0.1, 0.125, 0.3125, 0.5, 0.8, 0.95};
  const std::vector<double> p = ens::weighted_percentiles(m, points);
  EXPECT_DOUBLE_EQ(p[0], 0.0);
  EXPECT_DOUBLE_EQ(p[1], 0.0);
  EXPECT_DOUBLE_EQ(p[2], 5.0);
  EXPECT_DOUBLE_EQ(p[3], 10.0);
  EXPECT_DOUBLE_EQ(p[4], 10.0 + 10.0 * 0.3 / 0.375);
  EXPECT_DOUBLE_EQ(p[5], 20.0);

  EXPECT_DOUBLE_EQ(ens::probability_above(m, 5.0), 0.75);
  EXPECT_DOUBLE_EQ(ens::probability_above(m, 10.0), 0.25);  // above, not at
  EXPECT_DOUBLE_EQ(ens::probability_above(m, 25.0), 0.0);

  std::vector<ens::WeightedValue> none = {{1, 0}, {2, 0}};
  EXPECT_TRUE(std::isnan(ens::weighted_percentiles(none, ens::PERCENTILE_POINTS)[2]));
}

}  // namespace
