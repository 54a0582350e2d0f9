// Sampling: each distribution's quantiles against hand-known points, the
// Latin hypercube's strata, and the draws of a seed, which are the same for
// a block of members as for the whole ensemble.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ensemble/distribution.h"
#include "ensemble/latin_hypercube.h"
#include "ensemble/parameter_draws.h"
#include "orvtar/control/config_items.h"

namespace {

ens::Distribution parsed(const std::string& text) {
  std::string error;
  const auto d = ens::parse_distribution(text, error);
  EXPECT_TRUE(d) << text << ": " << error;
  return d.value_or(ens::Distribution{});
}

ens::EnsembleSpec spec_of(std::size_t members, std::uint64_t seed,
                          const std::vector<std::pair<std::string, std::string>>& items) {
  ens::EnsembleSpec spec;
  spec.members = members;
  spec.seed = seed;
  for (const auto& [name, text] : items) spec.varied.push_back({orv::find_config_item(name), parsed(text)});
  return spec;
}

std::vector<double> column(const ens::ParameterDraws& d, std::size_t dim) {
  std::vector<double> v;
  for (std::size_t k = d.first; k < d.last; ++k) v.push_back(d.at(k, dim));
  return v;
}

TEST(Distributions, QuantilesAtHandKnownPoints) {
  // The normal quantiles of 2.5 % and 97.5 % (+-1.959963984540054) and of
  // 25 % (-0.6744897501960817), from tables to 16 digits.
  EXPECT_NEAR(ens::normal_quantile(0.975), 1.959963984540054, 1e-14);
  EXPECT_NEAR(ens::normal_quantile(0.025), -1.959963984540054, 1e-14);
  EXPECT_NEAR(ens::normal_quantile(0.001), -3.090232306167813, 1e-13);
  EXPECT_NEAR(ens::normal_cdf(1.0), 0.8413447460685429, 1e-15);

  // A lognormal holds its median and both 5/95 % points exactly, the
  // spread below and above the median being different.
  const ens::Distribution ln = parsed("lognormal median 3.0 p05 2.0 p95 5.0");
  EXPECT_NEAR(ln.quantile(0.05), 2.0, 1e-12);
  EXPECT_NEAR(ln.quantile(0.50), 3.0, 1e-12);
  EXPECT_NEAR(ln.quantile(0.95), 5.0, 1e-12);
  EXPECT_NEAR(ln.uncut_cdf(5.0), 0.95, 1e-12);
  // The 17 % point lies exp(0.954165 * ln(3/2) / 1.644854) below the median.
  EXPECT_NEAR(ln.quantile(0.17), 3.0 * std::exp(-0.9541652531461944 * std::log(1.5) / 1.6448536269514722), 1e-9);

  const ens::Distribution n = parsed("normal -1.0 0.43");
  EXPECT_NEAR(n.quantile(0.975), -1.0 + 0.43 * 1.959963984540054, 1e-12);
  const ens::Distribution u = parsed("uniform 0.5 2.5");
  EXPECT_DOUBLE_EQ(u.quantile(0.25), 1.0);

  // Cut to an item's accepted values: the rest of the distribution keeps
  // its shape. A standard normal below 0 has its median at the 25 % point.
  ens::Distribution half = parsed("normal 0 1");
  half.upper = 0;
  EXPECT_NEAR(half.quantile(0.5), -0.6744897501960817, 1e-12);
  ens::Distribution cut = parsed("uniform 0 4");
  cut.lower = 1;
  cut.upper = 2;
  EXPECT_DOUBLE_EQ(cut.quantile(0.5), 1.5);

  const ens::Distribution c = parsed("choice 1 2 3 weights 1 6 1");
  EXPECT_EQ(c.quantile(0.12), 1);
  EXPECT_EQ(c.quantile(0.13), 2);
  EXPECT_EQ(c.quantile(0.87), 2);
  EXPECT_EQ(c.quantile(0.88), 3);
}

TEST(Distributions, MalformedTextIsRefusedWithTheExpectedForm) {
  std::string error;
  for (const char* bad : {"gamma 1 2", "uniform 2 1", "uniform 1", "normal 0 0", "normal 0 -1",
                          "lognormal median 3 p05 4 p95 5", "lognormal median 3 p05 2", "choice 1", "choice 1 1",
                          "choice 1 2 weights 1", "choice 1 2 weights 1 0", "uniform 0 nan", ""}) {
    error.clear();
    EXPECT_FALSE(ens::parse_distribution(bad, error)) << bad;
    EXPECT_FALSE(error.empty()) << bad;
  }
  EXPECT_EQ(parsed("LogNormal p95 5 median 3 p05 2").text(), "lognormal median 3 p05 2 p95 5");
}

TEST(LatinHypercube, OneMemberInEachStratumAndColumnsIndependent) {
  for (std::size_t n : {1u, 2u, 7u, 1000u}) {
    const std::vector<double> u = ens::latin_hypercube_column(n, 42, "XK");
    std::vector<int> hits(n, 0);
    for (double x : u) {
      ASSERT_GT(x, 0.0);
      ASSERT_LT(x, 1.0);
      ++hits[static_cast<std::size_t>(x * static_cast<double>(n))];
    }
    EXPECT_TRUE(std::all_of(hits.begin(), hits.end(), [](int h) { return h == 1; })) << n << " members";
  }
  // Two dimensions drawn with their own permutations: no correlation beyond
  // chance (|r| < 0.1 for 1,000 members holds with probability 0.998).
  const std::vector<double> a = ens::latin_hypercube_column(1000, 42, "XK");
  const std::vector<double> b = ens::latin_hypercube_column(1000, 42, "DT2XUSER");
  double sab = 0, saa = 0, sbb = 0;
  for (std::size_t k = 0; k < a.size(); ++k) {
    sab += (a[k] - 0.5) * (b[k] - 0.5);
    saa += (a[k] - 0.5) * (a[k] - 0.5);
    sbb += (b[k] - 0.5) * (b[k] - 0.5);
  }
  EXPECT_LT(std::abs(sab / std::sqrt(saa * sbb)), 0.1);
}

TEST(ParameterDraws, MarginalsFollowTheDistributions) {
  const ens::EnsembleSpec spec = spec_of(1000, 7,
                                         {{"DT2XUSER", "lognormal median 3.0 p05 2.0 p95 5.0"},
                                          {"XK", "uniform 0.5 2.5"},
                                          {"IUSERICE", "choice 1 2 3 weights 0.125 0.75 0.125"}});
  const ens::ParameterDraws d = ens::draw_parameters(spec);
  // Sorted, the k-th of n members lies in the k-th stratum: between the
  // k/n and (k+1)/n quantiles (to single precision).
  std::vector<double> s = column(d, 0);
  std::sort(s.begin(), s.end());
  EXPECT_NEAR(s[49], 2.0, 0.01);  // the 5 % point
  EXPECT_NEAR(s[499], 3.0, 0.01);
  EXPECT_NEAR(s[949], 5.0, 0.04);
  std::vector<double> x = column(d, 1);
  std::sort(x.begin(), x.end());
  for (std::size_t k = 0; k < x.size(); ++k) {
    ASSERT_GE(x[k], 0.5 + 2.0 * static_cast<double>(k) / 1000 - 1e-6);
    ASSERT_LE(x[k], 0.5 + 2.0 * static_cast<double>(k + 1) / 1000 + 1e-6);
  }
  // The integer item: whole values, 125, 750 and 125 of each case.
  const std::vector<double> ice = column(d, 2);
  EXPECT_EQ(std::count(ice.begin(), ice.end(), 1.0), 125);
  EXPECT_EQ(std::count(ice.begin(), ice.end(), 2.0), 750);
  EXPECT_EQ(std::count(ice.begin(), ice.end(), 3.0), 125);
  // Real items as the model holds them: single precision.
  for (double v : column(d, 0)) ASSERT_EQ(v, static_cast<double>(static_cast<float>(v)));
}

TEST(ParameterDraws, AMemberHasTheSameParametersInABlockAsInTheWholeEnsemble) {
  const auto items = std::vector<std::pair<std::string, std::string>>{
      {"DT2XUSER", "lognormal median 3.0 p05 2.0 p95 5.0"}, {"XK", "uniform 0.5 2.5"}};
  const ens::ParameterDraws whole = ens::draw_parameters(spec_of(100, 3, items));
  const ens::ParameterDraws block = ens::draw_parameters(spec_of(100, 3, items), 40, 57);
  ASSERT_EQ(block.values.size(), 17u * 2u);
  for (std::size_t k = 40; k < 57; ++k)
    for (std::size_t j = 0; j < 2; ++j) ASSERT_EQ(block.at(k, j), whole.at(k, j)) << "member " << k;
  EXPECT_EQ(ens::draw_parameters(spec_of(100, 3, items)).values, whole.values);
  EXPECT_NE(ens::draw_parameters(spec_of(100, 4, items)).values, whole.values);
  // Adding a dimension leaves the others' draws as they were.
  const ens::ParameterDraws wider =
      ens::draw_parameters(spec_of(100, 3, {items[0], {"QINDU", "normal -1 0.43"}, items[1]}));
  for (std::size_t k = 0; k < 100; ++k) {
    ASSERT_EQ(wider.at(k, 0), whole.at(k, 0));
    ASSERT_EQ(wider.at(k, 2), whole.at(k, 1));
  }
  EXPECT_THROW(ens::draw_parameters(spec_of(100, 3, items), 50, 101), std::invalid_argument);
}

}  // namespace
