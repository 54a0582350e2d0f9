#include "engines/varistat/avesd.h"

#include <array>
#include <cmath>

namespace vs {

using eng::NGRID;

void AVESD(std::span<const eng::Field> F, eng::Field& AVE, eng::Field& SD, Admit admit) {
  // Field by field (the cases in order at every gridpoint, as the sums are
  // defined), so each field is swept once.
  std::array<int, NGRID> n{};
  std::array<double, NGRID> S{}, Q{};
  for (const eng::Field& f : F) {
    for (int m = 0; m < NGRID; ++m) {
      const double x = f.v[m];
      if (admit == Admit::Valid ? !eng::valid(x) : !present(x)) continue;
      ++n[m];
      S[m] += x;
      Q[m] += x * x;
    }
  }
  for (int m = 0; m < NGRID; ++m) {
    AVE.v[m] = n[m] > 0 ? S[m] / n[m] : eng::MISSING;
    if (F.size() == 1) {
      SD.v[m] = 0.0;
      continue;
    }
    const double V = Q[m] - AVE.v[m] * AVE.v[m] * n[m];
    SD.v[m] = V > 0.0 ? std::sqrt(V / n[m]) : 0.0;
  }
}

}  // namespace vs
