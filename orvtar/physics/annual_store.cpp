#include "orvtar/physics/annual_store.h"

#include <cmath>

namespace orv {

namespace {

constexpr int N1990 = 226;  // year index of 1990, where the ice terms start

void temperatures(OrvState& s, int n) {
  s.TNHO[n] = s.TNO;
  s.TNHL[n] = s.TNL;
  s.TSHO[n] = s.TSO;
  s.TSHL[n] = s.TSL;
  s.TNH[n] = s.FL[1] * s.TNL + s.FO[1] * s.TNO;
  s.TSH[n] = s.FO[2] * s.TSO + s.FL[2] * s.TSL;
  s.TLAND[n] = (s.FL[1] * s.TNL + s.FL[2] * s.TSL) / s.FLSUM;
  s.TOCN[n] = (s.FO[2] * s.TSO + s.FO[1] * s.TNO) / s.FOSUM;
  s.TEMP[n] = (s.TSH[n] + s.TNH[n]) / 2.0f;
}

void oceanMeans(OrvState& s, int n) {
  for (int k = 1; k <= NLAYER; ++k) {
    s.TGPREV[k] = s.TG[k];
    s.TG[k] = (s.FO[2] * s.TO[2][k] + s.FO[1] * s.TO[1][k]) / s.FOSUM;
  }
  s.TDEEP[n] = s.TG[NLAYER];
}

// Sea-water expansion coefficient, 10**-6 per degC, at absolute
// temperature TA (degC) and pressure P.
float expansionCoefficient(float TA, float P) {
  return (52.55f + 28.051f * P - 0.7108f * P * P) + (12.9635f - 1.0833f * P) * TA -
         (0.1713f - 0.019263f * P) * TA * TA + (10.41f - 1.1338f * P) * TA * TA * TA / 6000.0f;
}

// Thermal expansion (cm) from the warming of each layer since the last store.
float expansion(const OrvState& s, int n) {
  float e = s.EXPN[n - 1];
  for (int k = 1; k <= NLAYER; ++k) {
    const float thickness = k == 1 ? s.HM : s.DZ;
    const float dTk = s.TG[k] - s.TGPREV[k];
    const float TA = (s.TG[k] + s.TGPREV[k]) / 2.0f + s.TEMP0[k];
    e += dTk * thickness * expansionCoefficient(TA, s.PRESS[k]) / 10000.0f;
  }
  return e;
}

// Ice and extra terms of year n (from 1990) for parameter set `set` (1 LOW,
// 2 MID, 3 HIGH, 4 USER); EXPN is the year's own expansion.
SeaLevel iceTerms(OrvState& s, int n, int set) {
  const float TM = n == N1990 ? 0.0f : (s.TEMP[n - 1] + s.TEMP[n]) / 2.0f;
  s.CUMT = s.CUMT + TM;
  const float YRS = static_cast<float>(n - N1990);
  const float ZT = YRS * (s.SLPAR[1] - s.T1990) + s.CUMT;  // integrated warming, degC yr
  const float* P = s.SLPAR;

  // Glaciers: a parabola in the glacier term, capped at its maximum.
  float G = P[3] * YRS * 0.15f + P[3] * ZT + P[2];
  if (G > 40.0858f) G = 40.0858f;
  const float g = G / 100.0f;
  const float GL = 100.0f * (0.934f * g - 1.165f * g * g);
  const float SGL = 0.4f * (GL - s.GLAC0);

  const float GR = P[4] * ZT;
  const float SGR1 = P[6] * P[8] * ZT;
  const float SGR2 = 0.1f * GR;
  const float SGR = std::sqrt(SGR1 * SGR1 + SGR2 * SGR2);
  const float AN = P[5] * ZT;
  const float SAN = P[7] * P[9] * ZT;
  const float SIG = std::sqrt(SGR1 * SGR1 + SGL * SGL + SAN * SAN + SGR2 * SGR2);

  const float ZX = (P[10] + P[11] + P[12]) * YRS;
  const float ZU = (P[13] + P[14] + P[15]) * YRS;
  const float IM = ZX + AN + GR + GL;
  const float IR = 2.0f * SIG + ZU;

  switch (set) {
    case 1: return {GL - 2.0f * SGL, GR - 2.0f * SGR, AN - 2.0f * SAN, 0.0f, IM - IR, s.EXPN[n]};
    case 2: return {GL, GR, AN, ZX, IM, s.EXPN[n]};
    case 3: return {GL + 2.0f * SGL, GR + 2.0f * SGR, AN + 2.0f * SAN, 2.0f * ZX, IM + IR, s.EXPN[n]};
    default: {
      // The user's ice melt: -2, 0, +2 standard deviations for LOW, MID, HIGH.
      const float u = 2.0f * static_cast<float>(s.IUSERICE - 2);
      return {GL + u * SGL, GR + u * SGR, AN + u * SAN, static_cast<float>(s.IUSERICE - 1) * ZX,
              IM + IR * u / 2.0f, s.EXPN[n]};
    }
  }
}

void keep(OrvState& s, int set, int n, const SeaLevel& v) {
  s.GLACK[set][n] = v.GLAC;
  s.GREENLK[set][n] = v.GREENL;
  s.ANTARK[set][n] = v.ANTAR;
  s.ZXTRAK[set][n] = v.ZXTRA;
  s.ICETOTK[set][n] = v.ICETOT;
  s.EXPNK[set][n] = v.EXPN;
}

SeaLevel kept(const OrvState& s, int set, int n) {
  return {s.GLACK[set][n], s.GREENLK[set][n], s.ANTARK[set][n],
          s.ZXTRAK[set][n], s.ICETOTK[set][n], s.EXPNK[set][n]};
}

}  // namespace

void ANNSTORE(OrvState& s, int n) {
  temperatures(s, n);
  oceanMeans(s, n);
  s.EXPN[n] = expansion(s, n);

  if (n <= N1990) {
    s.CUMT = 0.0f;
    s.MSLTOT[n] = s.EXPN[n];
  }
  if (n == N1990) {
    s.T1990 = s.TEMP[N1990];
    s.GLAC0 = 0.934f * s.SLPAR[2] - 0.01165f * s.SLPAR[2] * s.SLPAR[2];
    // The model's own parameter set measures the ice terms from the 1990 warming.
    if (s.IMODEL == 0) s.SLPAR[1] = s.T1990;
  }
  if (n < N1990) return;

  // Simulations 1 to 4 (or the single USER one) compute and keep their sea
  // level; simulations 5 to 20, which differ only in SO2, repeat that of
  // the simulation with the same parameter set.
  SeaLevel v;
  if (s.IRUNMODE == 9) {
    v = iceTerms(s, n, 4);
    keep(s, 4, n, v);
  } else if (s.NSIM >= 5) {
    v = kept(s, (s.NSIM - 1) % 4 + 1, n);
  } else {
    const int set = (s.NSIM >= 1 && s.NSIM <= 3) ? s.NSIM : 4;
    v = iceTerms(s, n, set);
    keep(s, set, n, v);
  }
  s.GLAC[n] = v.GLAC;
  s.GREENL[n] = v.GREENL;
  s.ANTAR[n] = v.ANTAR;
  s.ZXTRA[n] = v.ZXTRA;
  s.ICETOT[n] = v.ICETOT;
  s.EXPN[n] = v.EXPN;
  s.MSLTOT[n] = s.EXPN[n] + s.ICETOT[n];
}

SeaLevelStore kept_sea_level(const OrvState& s, int set) {
  SeaLevelStore store(NY);
  for (int n = 0; n < NY; ++n) store[static_cast<std::size_t>(n)] = kept(s, set, n);
  return store;
}

void restore_kept_sea_level(const SeaLevelStore& store, OrvState& s, int set) {
  for (int n = 0; n < NY; ++n) keep(s, set, n, store[static_cast<std::size_t>(n)]);
}

}  // namespace orv
