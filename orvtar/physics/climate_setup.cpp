// CLIMSET: the fresh state of one simulation.
#include <cmath>

#include "orvtar/physics/climate_model.h"

namespace orv {

namespace {

// Pressure at depth z (m), as the sea-water density polynomial expects it.
float pressure(float z) {
  return 0.0098f * (0.1005f * z + 10.5f * (std::exp(-z / 3500.0f) - 1.0f));
}

// Reference absolute temperature (degC) at depth z (m).
float referenceTemperature(float z) {
  const float zz = z / 100.0f;
  if (z <= 130.0f) return 18.98f - 4.025f * zz;
  if (z <= 500.0f) return 17.01f - 2.829f * zz + 0.228f * zz * zz;
  if (z < 2500.0f) return std::exp(std::exp(1.007f - 0.0665f * zz));
  return 2.98f - 0.052f * zz;
}

void referenceProfiles(OrvState& s) {
  const float zmix = s.HM / 2.0f;
  s.PRESS[1] = pressure(zmix);
  s.TEMP0[1] = 20.98f - 13.12f / s.HM - 0.04025f * s.HM;
  for (int k = 2; k <= NLAYER; ++k) {
    const float z = static_cast<float>(k - 1) * s.DZ + s.HM - s.DZ / 2.0f;
    s.PRESS[k] = pressure(z);
    s.TEMP0[k] = referenceTemperature(z);
  }
}

// The unperturbed column balances upwelling against diffusion: an
// exponential from the mixed-layer to the bottom-water temperature.
void initialProfile(OrvState& s) {
  for (int h = 1; h <= 2; ++h) {
    s.TML[h] = 17.2f;
    s.TBOT[h] = 1.0f;
    for (int k = 2; k <= NLAYER; ++k) {
      s.TINIT[h][k] = (s.TML[h] - s.TBOT[h]) * std::exp(-s.ZK[k] * s.W0 / s.XKH) + s.TBOT[h];
    }
  }
}

// Annual stores start at element 2, so element 1 of every state series is
// the initial (zero) change; element 0 of EXPN is where the sum starts.
void clearFirstYear(OrvState& s) {
  float* const series[] = {s.TEMP, s.TNH,  s.TSH,   s.TNHO,   s.TNHL,  s.TSHO,
                           s.TSHL, s.TLAND, s.TOCN, s.TDEEP,  s.EXPN,  s.GLAC,
                           s.GREENL, s.ANTAR, s.ZXTRA, s.ICETOT, s.MSLTOT};
  for (float* x : series) x[1] = 0.0f;
  s.EXPN[0] = 0.0f;
}

// Linear interpolation between elements 0 and 1 then starts from zero
// forcing at TIME = 0. QTROPOZ(1) is zero by its history rule, and its
// element 0 stays zero.
void zeroForcingAtStart(OrvState& s) {
  float* const series[] = {s.QTOT, s.QAER, s.QAERDIR, s.QCO2, s.QCH4,
                           s.QN2O, s.QHALO, s.QCH4O3, s.QGHG, s.QBIO};
  for (float* q : series) q[0] = -q[1];
}

}  // namespace

void CLIMSET(OrvState& s, GasStepFn gasStep) {
  s.AFNL = s.FL[1] / 2.0f;
  s.AFNO = s.FO[1] / 2.0f;
  s.AFSL = s.FL[2] / 2.0f;
  s.AFSO = s.FO[2] / 2.0f;
  s.FLSUM = s.FL[1] + s.FL[2];
  s.FOSUM = s.FO[1] + s.FO[2];

  s.ISHUTN = 0;
  s.ISHUTS = 0;
  s.IYPREV = 0;
  s.IY = 1;
  s.IYDONE = 1;
  s.TIME = 0.0f;

  s.DZ = 100.0f;
  s.DZH = 50.0f;
  s.DTHM = s.DT / s.HM;
  s.DTDZ = s.DT / s.DZ;
  s.XKHH = s.XKH / s.DZH;
  s.XKHDZ = s.XKH / s.DZ;
  s.ADIF = -s.XKHDZ * s.DTDZ;

  for (int k = 1; k <= NLAYER; ++k) {
    s.TG[k] = 0.0f;
    s.TGPREV[k] = 0.0f;
    s.TO[1][k] = 0.0f;
    s.TO[2][k] = 0.0f;
  }
  s.TNO = s.TSO = s.TNL = s.TSL = 0.0f;
  s.HFNS[1] = s.HFNS[2] = 0.0f;

  for (int k = 2; k <= NLAYER; ++k) s.ZK[k] = s.DZ * 0.5f + static_cast<float>(k - 2) * s.DZ;
  referenceProfiles(s);
  initialProfile(s);

  s.W[1] = s.W[2] = s.W0;
  s.DW[1] = s.DW[2] = 0.0f;

  clearFirstYear(s);

  if (s.ICASE == 1 || s.IRUNMODE == 9) {
    gasStep(s, 1, 1);
    zeroForcingAtStart(s);
  }
}

}  // namespace orv
