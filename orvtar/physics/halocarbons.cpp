#include "orvtar/physics/halocarbons.h"

#include <cmath>

namespace orv {

KyotoResult KYOTO(int k, float Cprev, float E, float TAUREF, float TAUNOW) {
  const HaloGas& g = HALOTAB[k];
  const float f = g.OH ? TAUNOW / TAUREF : 1.0f;
  const float TAU = g.LIFE * f;
  const float EP = E / g.CONV;

  float C;
  if (TAU >= 1.0f) {
    C = ((1.0f - 1.0f / (2.0f * TAU)) * Cprev + EP) / (1.0f + 1.0f / (2.0f * TAU));
  } else {
    // The mid-point form turns negative for lifetimes below a year.
    C = Cprev * std::exp(-1.0f / TAU) + TAU * (1.0f - std::exp(-1.0f / TAU)) * EP;
  }
  return {C, g.EFF * C / 1000.0f};
}

}  // namespace orv
