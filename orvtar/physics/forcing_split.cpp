#include "orvtar/physics/forcing_split.h"

namespace orv {

BoxForcing QSPLIT(const OrvState& s, float Q, float RNS, float RLON, float RLOS) {
  const float QSH = 2.0f * Q / (RNS + 1.0f);
  const float QNH = QSH * RNS;
  BoxForcing b{};
  b.NO = QNH / (2.0f * (s.AFNL * RLON + s.AFNO));
  b.NL = b.NO * RLON;
  b.SO = QSH / (2.0f * (s.AFSL * RLOS + s.AFSO));
  b.SL = b.SO * RLOS;
  return b;
}

}  // namespace orv
