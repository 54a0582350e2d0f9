// The observational constraint on a synthetic case whose posterior is known
// in closed form: a normal prior weighed by a normal likelihood gives a
// normal posterior (precisions add, means are precision-weighted), and the
// effective sample size tends to N (E L)^2 / E L^2.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "ensemble/constraint.h"
#include "ensemble/distribution.h"
#include "ensemble/percentiles.h"

namespace {

// The 83 % point of the standard normal distribution.
constexpr double Z83 = 0.9541652531461944;

// N members at the midpoints of N equal-probability strata of N(mean, sd).
std::vector<double> normal_prior(std::size_t n, double mean, double sd) {
  std::vector<double> x(n);
  for (std::size_t k = 0; k < n; ++k)
    x[k] = mean + sd * ens::normal_quantile((static_cast<double>(k) + 0.5) / static_cast<double>(n));
  return x;
}

TEST(Constraint, TheLikelyRangeGivesTheSpreadOnEachSide) {
  const ens::Observation ar6;  // 1.09, likely 0.95 to 1.20
  EXPECT_NEAR(ar6.sd_below(), 0.14 / Z83, 1e-12);
  EXPECT_NEAR(ar6.sd_above(), 0.11 / Z83, 1e-12);
  EXPECT_DOUBLE_EQ(ens::likelihood(ar6, 1.09), 1.0);
  EXPECT_NEAR(ens::likelihood(ar6, 1.09 - 0.14 / Z83), std::exp(-0.5), 1e-12);
  EXPECT_NEAR(ens::likelihood(ar6, 1.09 + 2 * 0.11 / Z83), std::exp(-2.0), 1e-12);
}

TEST(Constraint, NormalPriorAndLikelihoodGiveTheKnownPosterior) {
  const double m0 = 0.8, s0 = 0.3;  // prior of the warming 2011-2020, degC
  ens::Observation obs;
  obs.value = 1.1;
  obs.likely_low = 1.1 - 0.15;
  obs.likely_high = 1.1 + 0.15;
  const double s = 0.15 / Z83;
  const std::size_t n = 20000;
  const std::vector<double> x = normal_prior(n, m0, s0);
  const std::vector<double> w = ens::constraint_weights(obs, x);

  const double precision = 1 / (s0 * s0) + 1 / (s * s);
  const double post_mean = (m0 / (s0 * s0) + obs.value / (s * s)) / precision;
  const double post_sd = std::sqrt(1 / precision);
  double total = 0, mean = 0, square = 0;
  for (std::size_t k = 0; k < n; ++k) {
    total += w[k];
    mean += w[k] * x[k];
  }
  for (std::size_t k = 0; k < n; ++k) square += w[k] * (x[k] - mean) * (x[k] - mean);
  EXPECT_NEAR(total, 1.0, 1e-12);
  EXPECT_NEAR(mean, post_mean, 1e-4);
  EXPECT_NEAR(std::sqrt(square), post_sd, 1e-4);

  // The constrained percentiles are the posterior's.
  std::vector<ens::WeightedValue> members(n);
  for (std::size_t k = 0; k < n; ++k) members[k] = {x[k], w[k]};
  const std::vector<double> p = ens::weighted_percentiles(members, ens::PERCENTILE_POINTS);
  EXPECT_NEAR(p[0], post_mean - 1.6448536269514722 * post_sd, 2e-3);
  EXPECT_NEAR(p[2], post_mean, 1e-3);
  EXPECT_NEAR(p[4], post_mean + 1.6448536269514722 * post_sd, 2e-3);

  // E L = s / sqrt(s^2 + s0^2) exp(-d^2 / 2(s^2 + s0^2)); E L^2 is the same
  // with s^2 / 2 for s^2.
  const double d2 = (m0 - obs.value) * (m0 - obs.value);
  const auto expected_l = [&](double v) { return std::sqrt(v / (v + s0 * s0)) * std::exp(-d2 / (2 * (v + s0 * s0))); };
  const double share = expected_l(s * s) * expected_l(s * s) / expected_l(s * s / 2);
  EXPECT_NEAR(ens::effective_sample_size(w) / static_cast<double>(n), share, 1e-3);
}

TEST(Constraint, FarMembersGetNoWeightAndNoneAtAllIsAnError) {
  const ens::Observation obs;
  const std::vector<double> x = {1.09, 40.0, NAN, 1.09};
  const std::vector<double> w = ens::constraint_weights(obs, x);
  EXPECT_DOUBLE_EQ(w[0], 0.5);
  EXPECT_EQ(w[1], 0.0);
  EXPECT_EQ(w[2], 0.0);
  EXPECT_DOUBLE_EQ(ens::effective_sample_size(w), 2.0);
  // An ensemble far from the observation still has finite weights.
  const std::vector<double> far = {30.0, 31.0};
  const std::vector<double> wf = ens::constraint_weights(obs, far);
  EXPECT_DOUBLE_EQ(wf[0], 1.0);
  const std::vector<double> none = {NAN, INFINITY};
  EXPECT_THROW(ens::constraint_weights(obs, none), std::runtime_error);
}

}  // namespace
