// Latin hypercube sampling: in each dimension the unit interval is cut into
// as many equal strata as there are members, and every stratum holds one
// member, at a random place inside it; which member falls in which stratum
// is a random permutation, drawn anew for each dimension.
//
// Every draw comes from the seed and the dimension's name alone, through
// generators whose output the C++ standard fixes (std::seed_seq,
// std::mt19937_64) and our own conversions to numbers: the same seed gives
// the same points on every machine and whatever the number of threads, and
// adding a dimension leaves the others as they were.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace ens {

// The coordinates of `members` points in one dimension, point k at
// position k: each in (0, 1), one in each interval [i/members, (i+1)/members).
std::vector<double> latin_hypercube_column(std::size_t members, std::uint64_t seed, std::string_view dimension);

}  // namespace ens
