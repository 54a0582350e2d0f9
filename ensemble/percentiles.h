// Percentiles of weighted members. The members are sorted by value; member
// i, with weight w_i, stands at the cumulative position
//     c_i = (w_1 + ... + w_{i-1} + w_i / 2) / (w_1 + ... + w_n),
// and the percentile p is interpolated linearly between the members around
// it (the first or last value outside c_1 .. c_n). With equal weights
// c_i = (i - 1/2) / n: Hyndman and Fan's definition 5, a piecewise-linear
// sample quantile that is median-unbiased and gives the sample median for
// p = 0.5.
#pragma once

#include <span>
#include <vector>

namespace ens {

// The percentile points of the ensemble files and summary, as fractions.
inline constexpr double PERCENTILE_POINTS[] = {0.05, 0.17, 0.50, 0.83, 0.95};
inline constexpr std::size_t PERCENTILE_COUNT = std::size(PERCENTILE_POINTS);

struct WeightedValue {
  double value;
  double weight;
};

// The percentiles `points` (fractions, ascending) of `members`, which are
// sorted here; members of weight 0 are left out. NaN for each point when no
// member has a weight above 0.
std::vector<double> weighted_percentiles(std::span<WeightedValue> members, std::span<const double> points);

// The same for members already sorted by value (a second weighting of the
// same values needs no second sort).
void sort_by_value(std::span<WeightedValue> members);
std::vector<double> sorted_percentiles(std::span<const WeightedValue> members, std::span<const double> points);

// The share of the weight whose value lies above `threshold`.
double probability_above(std::span<const WeightedValue> members, double threshold);

}  // namespace ens
