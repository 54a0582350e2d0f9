// The observational constraint: each member is weighed by the likelihood of
// an observed value given the member's own value of that quantity (the
// warming from 1850-1900 to 2011-2020), under the observation's uncertainty.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace ens {

// An observed value and its likely (17-83 %) range. The likelihood is a
// two-piece normal: its spread below the value comes from the lower end of
// the range, above it from the upper end, so that an asymmetric range is
// kept as assessed.
struct Observation {
  double value = 1.09;       // IPCC AR6 WGI SPM A.1.2: warming 1850-1900 to 2011-2020, degC
  double likely_low = 0.95;  // its likely range, degC
  double likely_high = 1.20;

  // The standard deviations below and above the value.
  double sd_below() const;
  double sd_above() const;
};

// The likelihood of the observation for a member whose value is x, up to a
// constant factor: exp(-z*z/2), z = (x - value) / sd on x's side.
double likelihood(const Observation& obs, double x);

// The normalised weights (summing to 1) of members whose values are `x`,
// in member order. Throws std::runtime_error when no member has a
// likelihood above zero in double precision.
std::vector<double> constraint_weights(const Observation& obs, std::span<const double> x);

// Kish's effective sample size (sum w)^2 / sum w^2: the number of equally
// weighted members that would give the same variance of a weighted mean.
double effective_sample_size(std::span<const double> weights);

}  // namespace ens
