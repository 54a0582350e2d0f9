#include "ensemble/percentiles.h"

#include <algorithm>
#include <cmath>

namespace ens {

void sort_by_value(std::span<WeightedValue> members) {
  std::sort(members.begin(), members.end(),
            [](const WeightedValue& a, const WeightedValue& b) { return a.value < b.value; });
}

std::vector<double> weighted_percentiles(std::span<WeightedValue> members, std::span<const double> points) {
  sort_by_value(members);
  return sorted_percentiles(members, points);
}

std::vector<double> sorted_percentiles(std::span<const WeightedValue> members, std::span<const double> points) {
  double total = 0;
  for (const WeightedValue& m : members) total += m.weight > 0 ? m.weight : 0.0;
  std::vector<double> out(points.size(), NAN);
  if (!(total > 0)) return out;

  double before = 0;      // the weight of the members passed
  double at = -1;         // the position of the last member passed
  double at_value = NAN;  // and its value
  std::size_t k = 0;
  for (const WeightedValue& m : members) {
    if (!(m.weight > 0)) continue;
    const double position = (before + m.weight / 2) / total;
    before += m.weight;
    for (; k < points.size() && points[k] < position; ++k)
      out[k] = at < 0 ? m.value : at_value + (m.value - at_value) * (points[k] - at) / (position - at);
    at = position;
    at_value = m.value;
  }
  for (; k < points.size(); ++k) out[k] = at_value;
  return out;
}

double probability_above(std::span<const WeightedValue> members, double threshold) {
  double above = 0, total = 0;
  for (const WeightedValue& m : members) {
    if (!(m.weight > 0)) continue;
    total += m.weight;
    if (m.value > threshold) above += m.weight;
  }
  return total > 0 ? above / total : NAN;
}

}  // namespace ens
