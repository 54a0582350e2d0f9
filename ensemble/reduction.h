// From the members' results to the ensemble's statistics: the constraint's
// weights and effective sample size, and the percentiles of every kept
// series and headline number, unconstrained (equal weights) and
// constrained. Every sum runs in member order and each percentile reads
// all members at once, so the statistics do not depend on how the members
// were run.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "ensemble/ensemble_spec.h"
#include "ensemble/member_runs.h"
#include "ensemble/percentiles.h"

namespace ens {

// The members of one scenario, in member order.
struct ScenarioRun {
  std::string label;
  int first_year = 1765, last_year = 0;
  std::vector<MemberResult> members;

  int years() const { return last_year - first_year + 1; }
};

// The percentiles of one quantity, at PERCENTILE_POINTS.
struct Band {
  std::array<double, PERCENTILE_COUNT> unconstrained{}, constrained{};
};

// The warming thresholds of the exceedance probabilities, degC.
inline constexpr double WARMING_THRESHOLDS[] = {1.5, 2.0, 3.0};
inline constexpr std::size_t THRESHOLD_COUNT = std::size(WARMING_THRESHOLDS);

struct ScenarioStatistics {
  std::string label;
  int first_year = 1765, last_year = 0;
  // Each member's weight (summing to 1): the constraint's, or equal
  // weights when the ensemble is not constrained.
  std::vector<double> weights;
  double effective_size = 0;
  // Kept variable v, year y: series[v * years + (y - first_year)].
  std::vector<Band> series;
  std::array<Band, HEADLINE_COUNT> headline;
  // The probability that the warming of 2100 exceeds each threshold.
  std::array<double, THRESHOLD_COUNT> above_unconstrained{}, above_constrained{};

  int years() const { return last_year - first_year + 1; }
  const Band& at(std::size_t variable, int year) const {
    return series[variable * static_cast<std::size_t>(years()) + static_cast<std::size_t>(year - first_year)];
  }
};

// The statistics of `run` under `spec`'s constraint; the percentiles of the
// series are shared out over `threads` threads.
ScenarioStatistics reduce(const ScenarioRun& run, const EnsembleSpec& spec, unsigned threads);

}  // namespace ens
