#include "orvtar/physics/aerosol.h"

#include <cmath>

namespace orv {

namespace {

// Weight of the SO2 emission of year index n: rises from 0.7 before 1950 to
// 1.0 from 1970.
float so2Weight(int n) {
  if (n < 186) return 0.7f;
  if (n < 206) return 0.7f + 0.3f * static_cast<float>(n - 186) / 20.0f;
  return 1.0f;
}

}  // namespace

AerosolForcing AEROSOL(const OrvState& s, int i, float S1, float S2, float X) {
  const float SW = (S2 * so2Weight(i + 1) + S1 * so2Weight(i)) / 2.0f;
  const float QD = SW * s.QDIR90 / s.ES1990;
  const float QI = s.QIND90 * std::log(1.0f + SW / s.ESNAT) / std::log(1.0f + s.ES1990 / s.ESNAT);
  float QFOC;
  if (i > 226 && s.IFOCSC == 2) QFOC = s.QFOC90 * X / s.ECO90;
  else QFOC = s.QFOC90 * SW / s.ES1990;
  return {QI + QD + QFOC, QD + QFOC, QFOC};
}

}  // namespace orv
