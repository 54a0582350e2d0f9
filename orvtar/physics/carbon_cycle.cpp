#include "orvtar/physics/carbon_cycle.h"

#include <cmath>

namespace orv {

namespace {

// 1990 ocean reservoirs (ppm) and amplitudes of the five impulse-response terms.
constexpr float RES90[6] = {0.0f, 18.4029f, 25.51023f, 22.51496f, 9.64078f, 0.38709f};
constexpr float AMP90[6] = {0.0f, 0.13486f, 0.22091f, 0.28695f, 0.26033f, 0.09695f};

// One implicit mid-point step of a pool with half decay rate k.
float poolStep(float Pold, float input, float k) {
  return ((1.0f - k) * Pold + input) / (1.0f + k);
}

float D90_OF(float x) { return 1.1185f * x + 0.762f - 0.002f * x * x; }
float REGROW90_OF(float x) { return 0.584f * x + 1.254f - 0.0173f * x * x; }

}  // namespace

float GROSSD90_OF(float D80, float FOC80) {
  const float x = (D80 - 1.1f) - (FOC80 - 2.0f);
  return REGROW90_OF(x) + D90_OF(x);
}

void CARBINIT(OrvState& s, int v, float D80, float FOC80) {
  const float x = (D80 - 1.1f) - (FOC80 - 2.0f);
  float beta = 0.27628f + 0.301304f * x + 0.060673f * x * x + 0.012383f * x * x * x;
  const float e = std::fabs(x) - 0.7f;
  if (e > 0.0f) beta = beta - 0.0029f * e + 0.022f * e * e;
  s.BETA[v] = beta - 0.0379f * (FOC80 - 2.0f);

  s.D90[v] = D90_OF(x);
  s.REGROW[v][226] = REGROW90_OF(x);
  s.GROSSD[v][226] = s.REGROW[v][226] + s.D90[v];
  s.GROSSD90[v] = s.GROSSD[v][226];
  s.PLANT[v][226] = 708.285f - 6.131f * x + 0.137f * x * x;
  s.HLITT[v][226] = 84.3f + 4.569f * x - 0.039f * x * x;
  s.SOIL[v][226] = 1416.655f + 1.564f * x - 0.099f * x * x;
  s.OFLUX[v][226] = 2.24f;
  s.DELM[v][226] = 3.609f;
  s.CUMNET[v][226] = 290.797f;

  for (int n = 224; n <= 226; ++n) s.CO2V[v][n] = s.CO2HIST[n];
  s.C0 = s.CO2HIST[0];

  const float y = FOC80 - 2.0f;
  for (int L = 1; L <= 5; ++L) {
    s.LAMO[L][v] = LAM0[L] * (1.029606f + 0.873692f * y + 0.165084f * y * y);
    s.RES[L][v] = RES90[L];
    s.AMP[L][v] = AMP90[L];
  }
}

float AMPLITUDE(int L, float X) {
  const float a1 = ATAB[L][1], a2 = ATAB[L][2], a3 = ATAB[L][3];
  const float s1 = (a2 - a1) / (XA2 - XA1);
  const float s2 = (a3 - a2) / (XA3 - XA2);
  if (X <= XA1 - 0.25f) return a1;
  if (X <= XA1 + 0.5f) {
    const float h = 0.75f, q = 0.5f * s1;
    const float c3 = (s1 - 2.0f * q / h) / (h * h);
    const float c2 = (3.0f * q / h - s1) / h;
    const float d = X - (XA1 - 0.25f);
    return a1 + c3 * d * d * d + c2 * d * d;
  }
  if (X <= XA2 - 1.0f) return a1 + (X - XA1) * s1;
  if (X <= XA2 + 2.0f) {
    const float h = 3.0f, q = 1.0f * s1 + 2.0f * s2;
    const float c3 = ((s1 + s2) - 2.0f * q / h) / (h * h);
    const float c2 = ((3.0f * q / h - (s1 + s2)) - s1) / h;
    const float d = X - (XA2 - 1.0f);
    return (a2 - 1.0f * s1) + s1 * d + c2 * d * d + c3 * d * d * d;
  }
  if (X <= XA3 - 4.0f) return a2 + (X - XA2) * s2;
  if (X <= XA3 + 8.0f) {
    const float h = 12.0f, q = 4.0f * s2;
    const float c3 = (s2 - 2.0f * q / h) / (h * h);
    const float c2 = (3.0f * q / h - 2.0f * s2) / h;
    const float d = X - (XA3 - 4.0f);
    return (a3 - 4.0f * s2) + s2 * d + c2 * d * d + c3 * d * d * d;
  }
  return a3;
}

Fertilisation FERTILISE(float BETA, float C0, float CEXT) {
  Fertilisation f{};
  f.RDBL = (std::log(680.0f / C0) * BETA + 1.0f) / (std::log(340.0f / C0) * BETA + 1.0f);
  if (f.RDBL == 1.0f) {
    f.FERT = 1.0f;
    f.BETAE = 0.0f;
    return f;
  }
  const float b = ((680.0f - CCOMP) / (340.0f - CCOMP) - f.RDBL) / (f.RDBL - 1.0f) /
                  (680.0f - CCOMP);
  f.FERT = (1.0f / (C0 - CCOMP) + b) / (1.0f / (CEXT - CCOMP) + b);
  const float r = (340.0f - CCOMP) * b + 1.0f;
  f.BETAE = (1.0f / (C0 - CCOMP) + b) * 340.0f / (r * r);
  return f;
}

void CARBSTEP(OrvState& s, int v, int i, float dT, float ETOT, float NETDEF) {
  float* const CO2V = s.CO2V[v];
  const float CEXT = (3.0f * CO2V[i - 3] - 10.0f * CO2V[i - 2] + 15.0f * CO2V[i - 1]) / 8.0f;

  s.REGROW[v][i] = ((TAUP - 0.5f) * s.REGROW[v][i - 1] + FDP * NETDEF) / ((TAUP + 0.5f) - FDP);
  s.GROSSD[v][i] = s.REGROW[v][i] + NETDEF;
  const float GROSSD = s.GROSSD[v][i];

  const float FB1 = std::exp(s.CCFB1 * dT);
  const float FB2 = std::exp(s.CCFB2 * dT);
  const float FB3 = std::exp(s.CCFB3 * dT);
  const float FB4 = std::exp(s.CCFB4 * dT);

  const Fertilisation fert = FERTILISE(s.BETA[v], s.C0, CEXT);
  s.RDBL[v] = fert.RDBL;
  s.BETAE[v] = fert.BETAE;

  const float NPP = NPP0 * FB1 * fert.FERT;
  const float RESP = RESP0 * FB2 * fert.FERT;

  float* const PLANT = s.PLANT[v];
  PLANT[i] = poolStep(PLANT[i - 1], NPP * FNPPP - RESP - FDP * GROSSD, 1.0f / (2.0f * TAUP));
  const float MORT = (PLANT[i] + PLANT[i - 1]) / (2.0f * TAUP);

  float* const HLITT = s.HLITT[v];
  const float kL = FB3 * 0.5f / TAUL;
  HLITT[i] = poolStep(HLITT[i - 1], FMORT * MORT + FNPPL * NPP - FDL * GROSSD, kL);
  const float DEC = (HLITT[i] + HLITT[i - 1]) * kL;

  float* const SOIL = s.SOIL[v];
  const float kS = FB4 * 0.5f / TAUS;
  SOIL[i] = poolStep(SOIL[i - 1],
                     (1.0f - FMORT) * MORT + FLS * DEC + FNPPS * NPP - FDS * GROSSD, kS);

  const float DBIO = (PLANT[i] - PLANT[i - 1]) + (HLITT[i] + SOIL[i] - HLITT[i - 1] - SOIL[i - 1]);
  s.NETEM[i] = ETOT - DBIO;
  s.CUMNET[v][i] = s.CUMNET[v][i - 1] + s.NETEM[i];

  // The ocean terms take up the net emission with the amplitudes of the new
  // cumulative total; a change of amplitude moves carbon between the terms.
  const float X = s.CUMNET[v][i] / 100.0f;
  float DC = 0.0f;
  for (int L = 1; L <= 5; ++L) {
    const float A = AMPLITUDE(L, X);
    const float dA = A - s.AMP[L][v];
    const float Am = (s.AMP[L][v] + A) / 2.0f;
    const float kk = (s.LAMO[L][v] - dA / Am) / 2.0f;
    const float F = (s.NETEM[i] * Am / PPMC - 2.0f * s.RES[L][v] * kk) / (kk + 1.0f);
    s.RES[L][v] = s.RES[L][v] + F;
    DC += F;
    s.AMP[L][v] = A;
  }

  CO2V[i] = CO2V[i - 1] + DC;
  s.OFLUX[v][i] = s.NETEM[i] - DC * PPMC;
  s.DELM[v][i] = (CO2V[i] - CO2V[i - 1]) * PPMC;
}

}  // namespace orv
