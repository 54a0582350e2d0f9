#include "orvtar/physics/methane.h"

#include <cmath>

namespace orv {

CH4Result CH4STEP(const OrvState& s, int ITAUFB, float Cprev, float E, float dNOX, float dCO,
                  float dVOC, float TAU0, float S, float CNOX, float CCO, float CVOC, float dT) {
  const float B = s.CH4CONV * Cprev;
  const float BREF = s.CH4CONV * s.CH4REF;
  const float TAUX = TAU0 * std::exp(s.GAMOH * (CNOX * dNOX + CCO * dCO + CVOC * dVOC));
  const float SG = s.GAMOH * S;

  // Four passes refine the mid-year burden on which the lifetime depends.
  float BT = B, dB = 0.0f, TAU = 0.0f;
  for (int p = 1; p <= 4; ++p) {
    TAU = TAUX * std::pow(BT / BREF, SG);
    if (p > 1) TAU = TAU * (1.0f - SG * dB * 0.5f / B);
    if (ITAUFB == 1) TAU = TAU0 / (TAU0 / TAU + 0.0316f * dT);
    dB = E - BT / TAU - BT / s.TAUOTHER;
    BT = ((dB + B) + B) / 2.0f;
  }
  return {(B + dB) / s.CH4CONV, TAU};
}

}  // namespace orv
