#include "orvtar/physics/nitrous_oxide.h"

#include <cmath>

namespace orv {

float N2OSTEP(const OrvState& s, float Cprev, float Clag, float Clag1, float E) {
  const float B = s.N2OCONV * Cprev;
  const float BREF = s.N2OCONV * s.N2OREF;
  const float BL = (Clag + Clag1) * s.N2OCONV * 0.5f;

  float BT = B, dB = 0.0f;
  for (int p = 1; p <= 4; ++p) {
    const float TAU = s.TAUN2O * std::pow(BT / BREF, s.SN2O);
    dB = E - BL / TAU;
    BT = (dB + 2.0f * B) / 2.0f;
  }
  return (dB + B) / s.N2OCONV;
}

}  // namespace orv
