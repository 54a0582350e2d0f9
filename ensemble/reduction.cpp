#include "ensemble/reduction.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace ens {

namespace {

// The percentiles of `v` (each member's value with its constrained weight),
// constrained, then unconstrained, from one sort.
Band band_of(std::vector<WeightedValue>& v) {
  Band b;
  sort_by_value(v);
  const std::vector<double> c = sorted_percentiles(v, PERCENTILE_POINTS);
  std::copy(c.begin(), c.end(), b.constrained.begin());
  for (WeightedValue& m : v) m.weight = 1.0;
  const std::vector<double> u = sorted_percentiles(v, PERCENTILE_POINTS);
  std::copy(u.begin(), u.end(), b.unconstrained.begin());
  return b;
}

}  // namespace

ScenarioStatistics reduce(const ScenarioRun& run, const EnsembleSpec& spec, unsigned threads) {
  const std::size_t n = run.members.size();
  ScenarioStatistics st;
  st.label = run.label;
  st.first_year = run.first_year;
  st.last_year = run.last_year;

  std::vector<double> observable(n);
  for (std::size_t k = 0; k < n; ++k) observable[k] = run.members[k][Headline::WarmingRecent];
  st.weights = spec.constrained ? constraint_weights(spec.observation, observable)
                                : std::vector<double>(n, 1.0 / static_cast<double>(n));
  st.effective_size = effective_sample_size(st.weights);

  std::vector<WeightedValue> v(n);
  for (std::size_t h = 0; h < HEADLINE_COUNT; ++h) {
    for (std::size_t k = 0; k < n; ++k) v[k] = {run.members[k].headline[h], st.weights[k]};
    st.headline[h] = band_of(v);
  }
  for (std::size_t t = 0; t < THRESHOLD_COUNT; ++t) {
    for (std::size_t k = 0; k < n; ++k) v[k] = {run.members[k][Headline::Warming2100], st.weights[k]};
    st.above_constrained[t] = probability_above(v, WARMING_THRESHOLDS[t]);
    for (WeightedValue& m : v) m.weight = 1.0;
    st.above_unconstrained[t] = probability_above(v, WARMING_THRESHOLDS[t]);
  }

  // The series' percentiles, one (variable, year) at a time, shared out
  // over the threads; each lands in its own slot.
  const std::size_t cells = kept_variables().size() * static_cast<std::size_t>(run.years());
  st.series.resize(cells);
  std::atomic<std::size_t> next{0};
  auto work = [&] {
    std::vector<WeightedValue> values(n);
    for (std::size_t c = next++; c < cells; c = next++) {
      for (std::size_t k = 0; k < n; ++k) values[k] = {run.members[k].series[c], st.weights[k]};
      st.series[c] = band_of(values);
    }
  };
  std::vector<std::thread> workers;
  for (unsigned t = 1; t < std::max(threads, 1u); ++t) workers.emplace_back(work);
  work();
  for (std::thread& t : workers) t.join();
  return st;
}

}  // namespace ens
