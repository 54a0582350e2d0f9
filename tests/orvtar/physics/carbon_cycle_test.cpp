#include "orvtar/physics/carbon_cycle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace orv {
namespace {

std::unique_ptr<OrvState> stateWithHistory() {
  auto s = std::make_unique<OrvState>();
  s->CO2HIST[0] = 278.0f;
  s->CO2HIST[224] = 351.0f;
  s->CO2HIST[225] = 352.7f;
  s->CO2HIST[226] = 354.2f;
  return s;
}

TEST(CarbInit, MidVariantStartsFromTheTabulated1990State) {
  auto s = stateWithHistory();
  CARBINIT(*s, 2, 1.1f, 2.0f);
  EXPECT_FLOAT_EQ(s->BETA[2], 0.27628f);
  EXPECT_FLOAT_EQ(s->D90[2], 0.762f);
  EXPECT_FLOAT_EQ(s->REGROW[2][226], 1.254f);
  EXPECT_FLOAT_EQ(s->GROSSD[2][226], 1.254f + 0.762f);
  EXPECT_FLOAT_EQ(s->GROSSD90[2], s->GROSSD[2][226]);
  EXPECT_FLOAT_EQ(s->PLANT[2][226], 708.285f);
  EXPECT_FLOAT_EQ(s->HLITT[2][226], 84.3f);
  EXPECT_FLOAT_EQ(s->SOIL[2][226], 1416.655f);
  EXPECT_FLOAT_EQ(s->OFLUX[2][226], 2.24f);
  EXPECT_FLOAT_EQ(s->DELM[2][226], 3.609f);
  EXPECT_FLOAT_EQ(s->CUMNET[2][226], 290.797f);
  const float base[6] = {0.0f, 0.0f, 0.0030303f, 0.0125f, 0.05f, 0.625f};
  for (int L = 1; L <= 5; ++L) EXPECT_FLOAT_EQ(s->LAMO[L][2], base[L] * 1.029606f) << L;
  EXPECT_EQ(s->LAMO[1][2], 0.0f);  // the first term never decays
  EXPECT_FLOAT_EQ(s->RES[1][2], 18.4029f);
  EXPECT_FLOAT_EQ(s->RES[5][2], 0.38709f);
  EXPECT_FLOAT_EQ(s->AMP[3][2], 0.28695f);
  for (int n = 224; n <= 226; ++n) EXPECT_EQ(s->CO2V[2][n], s->CO2HIST[n]);
  EXPECT_EQ(s->C0, 278.0f);
}

TEST(CarbInit, LargeLandUseFluxAddsTheQuadraticCorrectionAndOceanFluxShiftsRates) {
  auto s = stateWithHistory();
  CARBINIT(*s, 4, 3.0f, 2.5f);
  const double x = (3.0 - 1.1) - (2.5 - 2.0);  // 1.4: beyond 0.7, so e = 0.7
  const double e = std::fabs(x) - 0.7;
  const double beta = 0.27628 + 0.301304 * x + 0.060673 * x * x + 0.012383 * x * x * x -
                      0.0029 * e + 0.022 * e * e - 0.0379 * 0.5;
  EXPECT_NEAR(s->BETA[4], beta, 1e-5);
  EXPECT_NEAR(s->D90[4], 1.1185 * x + 0.762 - 0.002 * x * x, 1e-5);
  const double y = 0.5;
  EXPECT_NEAR(s->LAMO[3][4], 0.0125 * (1.029606 + 0.873692 * y + 0.165084 * y * y), 1e-7);
  // Variants are independent.
  EXPECT_EQ(s->BETA[2], 0.0f);
}

TEST(Fertilisation, NoResponseWithoutBeta) {
  for (float c : {200.0f, 278.0f, 354.0f, 700.0f}) {
    const Fertilisation f = FERTILISE(0.0f, 278.0f, c);
    EXPECT_EQ(f.RDBL, 1.0f);
    EXPECT_EQ(f.FERT, 1.0f);
    EXPECT_EQ(f.BETAE, 0.0f);
  }
}

TEST(Fertilisation, HyperbolaReproducesTheLogarithmicDoublingResponse) {
  const float beta = 0.27628f, c0 = 278.0f;
  const Fertilisation at340 = FERTILISE(beta, c0, 340.0f);
  const Fertilisation at680 = FERTILISE(beta, c0, 680.0f);
  const double rdbl =
      (std::log(680.0 / 278.0) * beta + 1.0) / (std::log(340.0 / 278.0) * beta + 1.0);
  EXPECT_NEAR(at340.RDBL, rdbl, 1e-6);
  EXPECT_NEAR(at680.FERT / at340.FERT, rdbl, 1e-5);
  EXPECT_FLOAT_EQ(FERTILISE(beta, c0, c0).FERT, 1.0f);
  EXPECT_GT(at340.FERT, 1.0f);
  EXPECT_GT(at340.BETAE, 0.0f);
}

TEST(Amplitude, EndsEqualTheFirstAndLastTableColumns) {
  for (int L = 1; L <= 5; ++L) {
    for (float X : {0.0f, 1.0f, 1.16f}) EXPECT_EQ(AMPLITUDE(L, X), ATAB[L][1]) << L << " " << X;
    for (float X : {33.01f, 50.0f, 1000.0f}) {
      EXPECT_EQ(AMPLITUDE(L, X), ATAB[L][3]) << L << " " << X;
    }
  }
}

TEST(Amplitude, StraightLinesThroughTheAnchorsBetweenTheJoins) {
  for (int L = 1; L <= 5; ++L) {
    const double a1 = ATAB[L][1], a2 = ATAB[L][2], a3 = ATAB[L][3];
    const double s1 = (a2 - a1) / (5.65 - 1.41), s2 = (a3 - a2) / (25.0 - 5.65);
    EXPECT_NEAR(AMPLITUDE(L, 3.0f), a1 + (3.0 - 1.41) * s1, 1e-6) << L;
    EXPECT_NEAR(AMPLITUDE(L, 15.0f), a2 + (15.0 - 5.65) * s2, 1e-6) << L;
  }
}

TEST(Amplitude, ContinuousAtEveryBreak) {
  const float breaks[] = {1.16f, 1.91f, 4.65f, 7.65f, 21.0f, 33.0f};
  for (int L = 1; L <= 5; ++L) {
    for (float b : breaks) {
      EXPECT_NEAR(AMPLITUDE(L, b - 1e-3f), AMPLITUDE(L, b + 1e-3f), 1e-4) << L << " at " << b;
    }
  }
}

TEST(Amplitude, TermsAlwaysAddUpToOne) {
  for (float X = 0.0f; X < 40.0f; X += 0.37f) {
    float sum = 0.0f;
    for (int L = 1; L <= 5; ++L) sum += AMPLITUDE(L, X);
    EXPECT_NEAR(sum, 1.0f, 2e-6) << X;
  }
}

TEST(CarbStep, OneYearOfTheMidVariantKeepsTheCarbonBalance) {
  auto s = stateWithHistory();
  CARBINIT(*s, 2, 1.1f, 2.0f);
  const float ETOT = 6.2f, NETDEF = 0.9f;
  CARBSTEP(*s, 2, 227, 0.0f, ETOT, NETDEF);

  EXPECT_FLOAT_EQ(s->REGROW[2][227],
                  ((TAUP - 0.5f) * 1.254f + FDP * NETDEF) / ((TAUP + 0.5f) - FDP));
  EXPECT_FLOAT_EQ(s->GROSSD[2][227], s->REGROW[2][227] + NETDEF);
  const float dbio = (s->PLANT[2][227] - s->PLANT[2][226]) + (s->HLITT[2][227] - s->HLITT[2][226]) +
                     (s->SOIL[2][227] - s->SOIL[2][226]);
  EXPECT_NEAR(ETOT - dbio, s->NETEM[227], 1e-4);
  EXPECT_NEAR(s->CUMNET[2][227], 290.797f + s->NETEM[227], 1e-3);
  EXPECT_NEAR(s->OFLUX[2][227] + s->DELM[2][227], s->NETEM[227], 1e-4);
  // A plausible 1991: ocean uptake about 2 GtC/yr, CO2 up by 1 to 2.5 ppm.
  EXPECT_GT(s->OFLUX[2][227], 1.5f);
  EXPECT_LT(s->OFLUX[2][227], 3.0f);
  EXPECT_GT(s->CO2V[2][227] - s->CO2V[2][226], 1.0f);
  EXPECT_LT(s->CO2V[2][227] - s->CO2V[2][226], 2.5f);
  EXPECT_GT(s->RDBL[2], 1.0f);
}

// One year of a variant in double precision, written from the model
// description, for comparison with the single-precision step.
struct ReferenceYear {
  double REGROW, PLANT, HLITT, SOIL, NETEM, CO2V;
};

ReferenceYear referenceStep(const OrvState& s, int v, double dT, double ETOT, double NETDEF) {
  const double taup = 750.0 / (76.0 * 0.35 - 14.0);
  const double taul = 80.0 / (0.6 * 76.0 + 0.98 * (76.0 * 0.35 - 14.0));
  const double taus = 1450.0 / ((76.0 - 14.0) - 0.95 * 80.0 / taul);
  const double c0 = s.C0, beta = s.BETA[v];
  const double cext = (3.0 * s.CO2V[v][224] - 10.0 * s.CO2V[v][225] + 15.0 * s.CO2V[v][226]) / 8.0;
  ReferenceYear r{};
  r.REGROW = ((taup - 0.5) * s.REGROW[v][226] + 0.7 * NETDEF) / ((taup + 0.5) - 0.7);
  const double grossd = r.REGROW + NETDEF;
  const double rdbl = (std::log(680.0 / c0) * beta + 1.0) / (std::log(340.0 / c0) * beta + 1.0);
  const double b = (649.0 / 309.0 - rdbl) / (rdbl - 1.0) / 649.0;
  const double fert = (1.0 / (c0 - 31.0) + b) / (1.0 / (cext - 31.0) + b);
  const double npp = 76.0 * std::exp(s.CCFB1 * dT) * fert;
  const double resp = 14.0 * std::exp(s.CCFB2 * dT) * fert;
  auto pool = [](double old, double in, double k) { return ((1.0 - k) * old + in) / (1.0 + k); };
  r.PLANT = pool(s.PLANT[v][226], 0.35 * npp - resp - 0.7 * grossd, 0.5 / taup);
  const double mort = (r.PLANT + s.PLANT[v][226]) / (2.0 * taup);
  const double kl = std::exp(s.CCFB3 * dT) * 0.5 / taul;
  r.HLITT = pool(s.HLITT[v][226], 0.98 * mort + 0.6 * npp - 0.05 * grossd, kl);
  const double dec = (r.HLITT + s.HLITT[v][226]) * kl;
  const double ks = std::exp(s.CCFB4 * dT) * 0.5 / taus;
  r.SOIL = pool(s.SOIL[v][226], 0.02 * mort + 0.05 * dec + 0.05 * npp - 0.25 * grossd, ks);
  r.NETEM = ETOT - (r.PLANT - s.PLANT[v][226]) - (r.HLITT - s.HLITT[v][226]) -
            (r.SOIL - s.SOIL[v][226]);
  const double x = (s.CUMNET[v][226] + r.NETEM) / 100.0;  // 2.99: on the first straight line
  double dc = 0.0;
  for (int L = 1; L <= 5; ++L) {
    const double a1 = ATAB[L][1], a2 = ATAB[L][2];
    const double a = a1 + (x - 1.41) * (a2 - a1) / (5.65 - 1.41);
    const double amp = s.AMP[L][v], am = (amp + a) / 2.0;
    const double kk = (s.LAMO[L][v] - (a - amp) / am) / 2.0;
    dc += (r.NETEM * am / 2.123 - 2.0 * s.RES[L][v] * kk) / (kk + 1.0);
  }
  r.CO2V = s.CO2V[v][226] + dc;
  return r;
}

TEST(CarbStep, MatchesADoublePrecisionReferenceYear) {
  for (int v = 1; v <= 3; ++v) {
    auto s = stateWithHistory();
    // Distinct feedbacks, so that a factor applied to the wrong flux shows.
    s->CCFB1 = 0.0157f;
    s->CCFB2 = 0.05f;
    s->CCFB3 = 0.06f;
    s->CCFB4 = 0.08f;
    CARBINIT(*s, v, 2.5f - 0.7f * static_cast<float>(v), 2.0f);
    const ReferenceYear r = referenceStep(*s, v, 1.0, 6.4, 1.2);
    CARBSTEP(*s, v, 227, 1.0f, 6.4f, 1.2f);
    EXPECT_NEAR(s->REGROW[v][227], r.REGROW, 1e-5) << v;
    EXPECT_NEAR(s->PLANT[v][227], r.PLANT, 2e-3) << v;
    EXPECT_NEAR(s->HLITT[v][227], r.HLITT, 2e-4) << v;
    EXPECT_NEAR(s->SOIL[v][227], r.SOIL, 2e-3) << v;
    EXPECT_NEAR(s->NETEM[227], r.NETEM, 5e-3) << v;
    EXPECT_NEAR(s->CO2V[v][227], r.CO2V, 5e-3) << v;
  }
}

TEST(CarbStep, WarmingReleasesSoilCarbon) {
  auto cold = stateWithHistory();
  auto warm = stateWithHistory();
  for (OrvState* s : {cold.get(), warm.get()}) {
    s->CCFB1 = 0.0157f;
    s->CCFB2 = s->CCFB3 = s->CCFB4 = 0.0693f;
    CARBINIT(*s, 2, 1.1f, 2.0f);
  }
  CARBSTEP(*cold, 2, 227, 0.0f, 6.2f, 0.9f);
  CARBSTEP(*warm, 2, 227, 2.0f, 6.2f, 0.9f);
  EXPECT_LT(warm->SOIL[2][227], cold->SOIL[2][227]);
  EXPECT_GT(warm->CO2V[2][227], cold->CO2V[2][227]);
}

}  // namespace
}  // namespace orv
