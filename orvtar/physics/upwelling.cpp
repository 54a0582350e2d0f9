#include "orvtar/physics/upwelling.h"

namespace orv {

void updateUpwelling(OrvState& s) {
  if (s.IVARW == 0) {
    s.W[1] = s.W[2] = s.W0;
    s.DW[1] = s.DW[2] = 0.0f;
    return;
  }
  if (s.IVARW != 1 && s.IVARW != 2) return;

  // The temperature that drives each hemisphere's change (IWSCALE 1 to 5;
  // other values fall back to the global mean, as 1 and 4 do).
  const float TOM = (s.TNO * s.FO[1] + s.TSO * s.FO[2]) / s.FOSUM;
  const float TGM = (s.TNO * s.FO[1] + s.FL[2] * s.TSL + s.FL[1] * s.TNL + s.TSO * s.FO[2]) / 2.0f;
  float TDRIVE[3] = {0.0f, TGM, TGM};
  if (s.IWSCALE == 2 || s.IWSCALE == 5) {
    TDRIVE[1] = TDRIVE[2] = TOM;
  } else if (s.IWSCALE == 3) {
    TDRIVE[1] = s.TNO;
    TDRIVE[2] = s.TSO;
  }

  // With a shutdown threshold and "active W" scaling only the part of W0
  // above the threshold responds to warming.
  const float FACT = (s.IVARW == 2 && s.IWSCALE > 3) ? 1.0f - s.WTHC / s.W0 : 1.0f;
  const float TWZERO[3] = {0.0f, s.TWZERONH, s.TWZEROSH};
  int* const LATCH[3] = {nullptr, &s.ISHUTN, &s.ISHUTS};

  for (int h = 1; h <= 2; ++h) {
    // The floor limits W only; DW keeps the unfloored change.
    s.DW[h] = -s.W0 * FACT * TDRIVE[h] / TWZERO[h];
    s.W[h] = s.W0 + s.DW[h];
    if (s.W[h] < WMIN) s.W[h] = WMIN;
    if (s.IVARW == 2 && (s.W[h] < s.WTHC || *LATCH[h] == 1)) {
      *LATCH[h] = 1;
      s.W[h] = s.WTHC;
      s.DW[h] = s.WTHC - s.W0;
    }
  }
}

}  // namespace orv
