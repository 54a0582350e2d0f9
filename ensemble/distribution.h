// The probability distribution of one uncertain configuration item, as the
// settings file writes it, and its quantile function, which turns a point of
// the unit interval (from the Latin hypercube) into a value of the item.
#pragma once

#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ens {

enum class DistributionKind { Uniform, Normal, Lognormal, Choice };

struct Distribution {
  DistributionKind kind = DistributionKind::Uniform;
  // Uniform: low, high. Normal: mean, sd. Lognormal: median, p05, p95 (a
  // two-piece lognormal: the log-space spread below the median comes from
  // p05, above it from p95, so all three points hold exactly).
  double a = 0, b = 0, c = 0;
  // Choice: the values and their probabilities (summing to 1).
  std::vector<double> values, probabilities;
  // Samples are drawn from the distribution cut to [lower, upper] (the
  // accepted values of the item); open ends are infinite.
  double lower = -std::numeric_limits<double>::infinity();
  double upper = std::numeric_limits<double>::infinity();

  // The value whose probability of not being exceeded, within the cut, is
  // u (0 < u < 1).
  double quantile(double u) const;
  // The quantile of the distribution before the cut.
  double uncut_quantile(double u) const;
  // The cumulative probability at x before the cut.
  double uncut_cdf(double x) const;

  // As the settings file writes it: "lognormal median 3 p05 2 p95 5".
  std::string text() const;
};

// What the settings file may write, for messages.
inline constexpr std::string_view DISTRIBUTION_FORMS =
    "uniform LOW HIGH, normal MEAN SD, lognormal median M p05 A p95 B, or choice V1 V2 ... "
    "[weights W1 W2 ...]";

// Parses a distribution; an unknown name or malformed parameters give the
// reason in `error` and no value.
std::optional<Distribution> parse_distribution(std::string_view text, std::string& error);

// The standard normal distribution: cumulative probability and quantile
// (full double precision).
double normal_cdf(double z);
double normal_quantile(double p);

}  // namespace ens
