// Deterministic random streams. Every file of a synthetic tree draws from
// its own stream, keyed by the seed and by what the file is (model,
// family, variable, season), so a file's bytes do not depend on which other
// files were generated with it.
#pragma once

#include <cmath>
#include <cstdint>
#include <initializer_list>

namespace synth {

class Rng {
 public:
  Rng(std::uint64_t seed, std::initializer_list<std::uint64_t> key) : state_(mix(seed)) {
    for (std::uint64_t k : key) state_ = mix(state_ ^ mix(k + 0x632BE59BD9B4E019ULL));
  }

  std::uint64_t next() {
    state_ += 0x9E3779B97F4A7C15ULL;
    return mix(state_);
  }
  // Uniform in [0, 1).
  double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
  double uniform(double lo, double hi) { return lo + (hi - lo) * uniform(); }
  // Integer in [0, n).
  int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
  // Standard normal (Box-Muller, both values of each pair used in turn).
  double normal() {
    if (have_spare_) {
      have_spare_ = false;
      return spare_;
    }
    double u1 = 1.0 - uniform();
    double u2 = uniform();
    double rad = std::sqrt(-2.0 * std::log(u1));
    spare_ = rad * std::sin(6.283185307179586 * u2);
    have_spare_ = true;
    return rad * std::cos(6.283185307179586 * u2);
  }

 private:
  // The splitmix64 finaliser.
  static std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  std::uint64_t state_;
  double spare_ = 0.0;
  bool have_spare_ = false;
};

}  // namespace synth
