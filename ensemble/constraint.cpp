#include "ensemble/constraint.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "ensemble/distribution.h"

namespace ens {

namespace {

// How many standard deviations the 83 % point lies above the median.
double z83() {
  static const double z = normal_quantile(0.83);
  return z;
}

double log_likelihood(const Observation& obs, double x) {
  const double z = (x - obs.value) / (x < obs.value ? obs.sd_below() : obs.sd_above());
  return -0.5 * z * z;
}

}  // namespace

double Observation::sd_below() const { return (value - likely_low) / z83(); }
double Observation::sd_above() const { return (likely_high - value) / z83(); }

double likelihood(const Observation& obs, double x) { return std::exp(log_likelihood(obs, x)); }

std::vector<double> constraint_weights(const Observation& obs, std::span<const double> x) {
  // Scaled by the largest likelihood first, so that an ensemble far from
  // the observation still has weights that do not all vanish.
  std::vector<double> w(x.size());
  double top = -INFINITY;
  for (std::size_t k = 0; k < x.size(); ++k) {
    w[k] = std::isfinite(x[k]) ? log_likelihood(obs, x[k]) : -INFINITY;
    top = std::max(top, w[k]);
  }
  double total = 0;
  for (double& v : w) total += (v = std::isfinite(top) ? std::exp(v - top) : 0.0);
  if (!(total > 0)) throw std::runtime_error("no member has a value the observation gives any weight to");
  for (double& v : w) v /= total;
  return w;
}

double effective_sample_size(std::span<const double> weights) {
  double sum = 0, squares = 0;
  for (double w : weights) {
    sum += w;
    squares += w * w;
  }
  return squares > 0 ? sum * sum / squares : 0.0;
}

}  // namespace ens
