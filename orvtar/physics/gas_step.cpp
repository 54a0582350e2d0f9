#include "orvtar/physics/gas_step.h"

#include <stdexcept>
#include <string>

#include "orvtar/physics/carbon_cycle.h"
#include "orvtar/physics/forcing.h"
#include "orvtar/physics/halocarbons.h"
#include "orvtar/physics/hist_conc.h"
#include "orvtar/physics/methane.h"
#include "orvtar/physics/nitrous_oxide.h"

namespace orv {

namespace {

// Methane-oxidation source: CO2 (GtC/yr) from CH4 above 700 ppb.
float oxidationCO2(float CH4, float TAU) {
  return (CH4 - 700.0f) * 0.18f * 0.0020625f / TAU;
}

float carbonEmissions(const OrvState& s, int i) {
  return s.IMETH == 1 ? s.EFOSS[i] + s.CH4OXN[i] : s.EFOSS[i];
}

// Lifetime coefficients of CH4 case c (1 LOW, 2 MID, 3 HIGH; 4 holds the
// lifetime constant).
struct CH4Coefficients {
  float S, CNOX, CCO, CVOC;
};

CH4Coefficients ch4Coefficients(const OrvState& s, int c) {
  switch (c) {
    case 1: return {s.SOHM - s.DSOH, s.CNOXM + s.DCNOX, s.CCOM - s.DCCO, s.CVOCM - s.DCVOC};
    case 2: return {s.SOHM, s.CNOXM, s.CCOM, s.CVOCM};
    case 3: return {s.SOHM + s.DSOH, s.CNOXM - s.DCNOX, s.CCOM + s.DCCO, s.CVOCM + s.DCVOC};
    default: return {0.0f, 0.0f, 0.0f, 0.0f};
  }
}

void methane(OrvState& s, int i) {
  if (i == NHIST + 1) {
    s.TAU0[1] = s.TAUCH4M - s.DTAUCH4;
    s.TAU0[2] = s.TAUCH4M;
    s.TAU0[3] = s.TAUCH4M + s.DTAUCH4;
    s.TAU0[4] = s.LEVCH4 == 4 ? s.TAUCH4U : s.TAU0[s.LEVCH4];
  }
  const float dNOX = s.ENOX[i] - s.ENOX[NHIST];
  const float dCO = s.ECO[i] - s.ECO[NHIST];
  const float dVOC = s.EVOC[i] - s.EVOC[NHIST];
  const float dT = s.TEXT - s.T2000X;

  // The three reference cases differ from the user case in their natural
  // emission, which the user's series holds for the LEVCH4 case.
  float* const REFCASE[4] = {nullptr, s.CH4LO, s.CH4MID, s.CH4HI};
  for (int c = 1; c <= 3; ++c) {
    const CH4Coefficients k = ch4Coefficients(s, c);
    const float E = s.EMCH4[i] - s.DCH4SEL + s.DCH4[c];
    REFCASE[c][i] = CH4STEP(s, s.ITAUFB, REFCASE[c][i - 1], E, dNOX, dCO, dVOC, s.TAU0[c], k.S,
                            k.CNOX, k.CCO, k.CVOC, dT).C;
  }

  const CH4Coefficients k = ch4Coefficients(s, s.LEVCH4);
  const CH4Result user = CH4STEP(s, s.ITAUFB, s.CH4[i - 1], s.EMCH4[i], dNOX, dCO, dVOC,
                                 s.TAU0[4], k.S, k.CNOX, k.CCO, k.CVOC, dT);
  s.CH4[i] = user.C;
  s.TAUCH4[i] = user.TAU;

  s.CH4OXN[i] = oxidationCO2((s.CH4[i - 1] + s.CH4[i]) / 2.0f, s.TAUCH4[i]);
  s.ETOT[i] = carbonEmissions(s, i);
}

void halocarbons(OrvState& s, int i) {
  const float* const EMK[9] = {nullptr, s.EMK11, s.EMK12, s.EMK13, s.EMK14,
                               s.EMK15, s.EMK16, s.EMK17, s.EMK18};
  const float TAUNOW = i > NHIST ? s.TAUCH4[i] : s.TAUCH4M;
  float Q = 0.0f;
  for (int k = 1; k <= 8; ++k) {
    const KyotoResult r = KYOTO(k, s.HALOC[k][i - 1], EMK[k][i], s.TAUCH4M, TAUNOW);
    s.HALOC[k][i] = r.C;
    Q += r.Q;
  }
  s.QKYOTO[i] = Q;
}

void carbon(OrvState& s, int i) {
  for (int v = 1; v <= 4; ++v) {
    if (i == 227) {
      if (v <= 3) CARBINIT(s, v, 2.5f - 0.7f * static_cast<float>(v), 2.0f);
      else CARBINIT(s, v, s.D80SIN, s.FOC80SIN);
    }
    // The 1990s net land use runs straight from the variant's 1990 flux to
    // the scenario's 2000 value.
    s.NETDEF[226] = s.D90[v];
    for (int n = 227; n <= 235; ++n) {
      s.NETDEF[n] = s.NETDEF[226] +
                    static_cast<float>(n - 226) * (s.NETDEF[236] - s.NETDEF[226]) / 10.0f;
    }
    CARBSTEP(s, v, i, s.TEXT - s.T1990X, s.ETOT[i], s.NETDEF[i]);
  }

  if (i == NHIST) {
    for (int v = 1; v <= 4; ++v) s.DCO2CASE[v] = s.CO2[NHIST] - s.CO2V[v][NHIST];
    s.DCO2SEL = s.DCO2CASE[s.LEVCO2];
  }
  if (i >= NHIST) {
    s.CO2[i] = s.CO2V[s.LEVCO2][i];
    if (s.IQKYOTO == 1) s.CO2[i] += s.DCO2SEL;
  }
  if (s.ICO2CONC >= 1) s.CO2[i] = s.CO2IN[i];
}

void requireRange(const char* name, int value, int lo, int hi) {
  if (value < lo || value > hi) {
    throw std::invalid_argument(std::string(name) + " = " + std::to_string(value) +
                                ": the gas cycles need a value from " + std::to_string(lo) +
                                " to " + std::to_string(hi));
  }
}

void gasYear(OrvState& s, int i) {
  if (i <= NHIST) {
    // From 1990 on the scenario's SO2 emissions stand: the history rules
    // write elements i and i+1, so the 1990 value is also kept when the
    // history runs for 1989.
    const float keep1 = s.SO2[i], keep2 = s.SO2[i + 1];
    HISTCONC(s, i);
    if (i >= 226) s.SO2[i] = keep1;
    if (i + 1 >= 226) s.SO2[i + 1] = keep2;
  }

  if (i == NHIST) {
    s.CH4REF = s.CH4[NHIST - 1];
    s.N2OREF = s.N2O[NHIST - 1];
    for (int n = NHIST - 1; n <= NHIST; ++n) {
      s.CH4LO[n] = s.CH4[n];
      s.CH4MID[n] = s.CH4[n];
      s.CH4HI[n] = s.CH4[n];
    }
  }

  if (i >= 226 && i <= NHIST) {
    s.CH4OXN[i] = oxidationCO2(s.CH4[i], s.TAUCH4M);
    s.ETOT[i] = carbonEmissions(s, i);
  }

  if (i >= 226) {
    s.TEXT = 2.0f * s.TEMP[i - 1] - s.TEMP[i - 2];
    if (i == 226) s.T1990X = s.TEXT;
    if (i == 236) s.T2000X = s.TEXT;
  }

  if (i > NHIST) {
    methane(s, i);
    s.N2O[i] = N2OSTEP(s, s.N2O[i - 1], s.N2O[i - s.LAGN2O], s.N2O[i - s.LAGN2O - 1], s.EMN2O[i]);
  }

  if (i >= 227) {
    halocarbons(s, i);
    carbon(s, i);
  }
}

}  // namespace

void GASSTEP(OrvState& s, int IFROM, int ITO) {
  requireRange("LEVCO2", s.LEVCO2, 1, 4);
  requireRange("LEVCH4", s.LEVCH4, 1, 4);
  // The N2O loss is taken from fully computed years only.
  requireRange("LAGN2O", s.LAGN2O, 1, NHIST);
  if (IFROM < 1 || ITO > NYLAST) {
    throw std::out_of_range("GASSTEP: year indices " + std::to_string(IFROM) + " to " +
                            std::to_string(ITO) + " outside 1 to " + std::to_string(NYLAST));
  }
  for (int i = IFROM; i <= ITO; ++i) {
    gasYear(s, i);
    FORCING(s, i);
  }
}

}  // namespace orv
