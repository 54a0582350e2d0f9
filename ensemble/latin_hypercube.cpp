#include "ensemble/latin_hypercube.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

namespace ens {

namespace {

// 64-bit FNV-1a of the dimension's name, so that each dimension has a
// stream of its own.
std::uint64_t name_hash(std::string_view name) {
  std::uint64_t h = 14695981039346656037ull;
  for (char c : name) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ull;
  }
  return h;
}

// A number in (0, 1): the top 52 bits of a draw, centred in their interval
// (exact in a double, so never 0 or 1).
double unit_open(std::mt19937_64& g) { return (static_cast<double>(g() >> 12) + 0.5) * 0x1p-52; }

// A whole number in [0, n), without bias: draws above the largest multiple
// of n are drawn again.
std::uint64_t below(std::mt19937_64& g, std::uint64_t n) {
  const std::uint64_t limit = ~std::uint64_t{0} - (~std::uint64_t{0} % n);
  std::uint64_t x = g();
  while (x >= limit) x = g();
  return x % n;
}

}  // namespace

std::vector<double> latin_hypercube_column(std::size_t members, std::uint64_t seed, std::string_view dimension) {
  const std::uint64_t h = name_hash(dimension);
  std::seed_seq seq{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32),
                    static_cast<std::uint32_t>(h), static_cast<std::uint32_t>(h >> 32)};
  std::mt19937_64 g(seq);
  // The stratum of each member: a Fisher-Yates shuffle of 0 .. members-1.
  std::vector<std::size_t> stratum(members);
  std::iota(stratum.begin(), stratum.end(), std::size_t{0});
  for (std::size_t i = members; i > 1; --i) std::swap(stratum[i - 1], stratum[below(g, i)]);
  std::vector<double> u(members);
  for (std::size_t k = 0; k < members; ++k)
    u[k] = std::min((static_cast<double>(stratum[k]) + unit_open(g)) / static_cast<double>(members),
                    std::nextafter(1.0, 0.0));
  return u;
}

}  // namespace ens
