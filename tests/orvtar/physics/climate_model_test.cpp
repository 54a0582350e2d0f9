// The climate model driven by forcing series set in the test (no gas
// cycles): set-up, time stepping and forcing interpolation, the ocean
// column, upwelling modes, extra forcing, and the approach to equilibrium.
#include "orvtar/physics/climate_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <stdexcept>
#include <vector>

#include "orvtar/physics/forcing_split.h"
#include "orvtar/physics/land_ocean_feedback.h"
#include "orvtar/physics/ocean_solver.h"
#include "orvtar/physics/upwelling.h"
#include "simulation_fixture.h"

namespace orv {
namespace {

// Every call of the gas step, with the counters the time loop had then.
struct GasCall {
  int IFROM, ITO, IYDONE;
  float TIME;
};
std::vector<GasCall> gasCalls;

void recordGasStep(OrvState& s, int IFROM, int ITO) {
  gasCalls.push_back({IFROM, ITO, s.IYDONE, s.TIME});
}

// The default climate parameters, global sensitivity case, no forcing, a
// run over year indices 1..NYEND; the forcing series are the test's.
std::unique_ptr<OrvState> climateOnly(int NYEND, float DT = 0.1f) {
  auto s = std::make_unique<OrvState>();
  test::configureDefaults(*s);
  s->RLO = 1.0f;
  s->IDIFFL = 0;
  s->IVARW = 0;
  s->DT = DT;
  s->NYEND = NYEND;
  s->TEND = static_cast<float>(NYEND - 1);
  s->NSIM = 2;
  s->ICASE = 1;  // so that CLIMSET applies the start rule to the test's series
  s->DT2X = 2.6f;
  s->XLAM = s->Q2X / s->DT2X;
  gasCalls.clear();
  return s;
}

void setUpAndRun(OrvState& s) {
  CLIMSET(s, recordGasStep);
  CLIMRUN(s, recordGasStep);
}

void fill(float* q, int last, float value) {
  for (int i = 1; i <= last; ++i) q[i] = value;
}

float globalMean(const OrvState& s, const BoxForcing& b) {
  return s.AFNO * b.NO + s.AFNL * b.NL + s.AFSO * b.SO + s.AFSL * b.SL;
}

TEST(QSplit, KeepsTheGlobalMeanAndTheRatiosForAnyRatios) {
  auto s = climateOnly(10);
  CLIMSET(*s, recordGasStep);
  for (float Q : {-1.3f, 0.35f, 2.0f}) {
    for (float RNS : {0.5f, 1.0f, 2.0f, 4.0f, 99.0f}) {
      for (float RLON : {0.3f, 1.0f, 9.0f}) {
        for (float RLOS : {1.0f, 2.5f, 9.0f}) {
          const BoxForcing b = QSPLIT(*s, Q, RNS, RLON, RLOS);
          EXPECT_NEAR(globalMean(*s, b), Q, 2e-6f * std::fabs(Q) * RNS);
          EXPECT_NEAR(b.NL / b.NO, RLON, 1e-5f * RLON);
          EXPECT_NEAR(b.SL / b.SO, RLOS, 1e-5f * RLOS);
          const float NH = s->FO[1] * b.NO + s->FL[1] * b.NL;
          const float SH = s->FO[2] * b.SO + s->FL[2] * b.SL;
          EXPECT_NEAR(NH / SH, RNS, 1e-5f * RNS);
        }
      }
    }
  }
}

TEST(QSplit, EqualRatiosGiveEveryBoxTheGlobalValue) {
  auto s = climateOnly(10);
  CLIMSET(*s, recordGasStep);
  const BoxForcing b = QSPLIT(*s, -0.8f, 1.0f, 1.0f, 1.0f);
  EXPECT_FLOAT_EQ(b.NO, -0.8f);
  EXPECT_FLOAT_EQ(b.NL, -0.8f);
  EXPECT_FLOAT_EQ(b.SO, -0.8f);
  EXPECT_FLOAT_EQ(b.SL, -0.8f);
}

TEST(ClimSet, GridWeightsAndReferenceProfiles) {
  auto s = climateOnly(10);
  CLIMSET(*s, recordGasStep);
  EXPECT_FLOAT_EQ(s->AFNO + s->AFNL + s->AFSO + s->AFSL, 1.0f);
  EXPECT_FLOAT_EQ(s->FLSUM, 0.63f);
  EXPECT_FLOAT_EQ(s->FOSUM, 1.37f);
  EXPECT_FLOAT_EQ(s->ZK[2], 50.0f);
  EXPECT_FLOAT_EQ(s->ZK[40], 3850.0f);
  EXPECT_FLOAT_EQ(s->XKHH, 1.3f * 3155.76f / 50.0f);
  EXPECT_FLOAT_EQ(s->ADIF, -1.3f * 3155.76f * 0.1f / 10000.0f);

  // Mixed layer of 70 m; layer k's middle lies at 100*k - 80 m. One depth
  // in each branch of the reference temperature, the doubly exponential
  // one included.
  EXPECT_NEAR(s->TEMP0[1], 20.98f - 13.12f / 70.0f - 0.04025f * 70.0f, 1e-5f);
  EXPECT_NEAR(s->TEMP0[2], 14.15f, 1e-4f);      // 120 m
  EXPECT_NEAR(s->TEMP0[3], 11.88968f, 1e-4f);   // 220 m
  EXPECT_NEAR(s->TEMP0[6], 6.93893f, 1e-3f);    // 520 m: exp(exp(0.6612))
  EXPECT_NEAR(s->TEMP0[25], 1.72907f, 1e-4f);   // 2420 m
  EXPECT_NEAR(s->TEMP0[26], 1.6696f, 1e-4f);    // 2520 m
  EXPECT_NEAR(s->PRESS[1], 0.0098f * (0.1005f * 35.0f + 10.5f * (std::exp(-0.01f) - 1.0f)), 1e-6f);
  EXPECT_NEAR(s->PRESS[40], 3.79148f, 1e-4f);   // 3920 m

  // The steady profile falls from 17.2 towards the bottom water's 1.0 on
  // the scale XKH/W0 (about 1 km).
  const float scale = s->XKH / s->W0;
  EXPECT_NEAR(s->TINIT[1][2], 16.2f * std::exp(-50.0f / scale) + 1.0f, 1e-4f);
  EXPECT_NEAR(s->TINIT[2][40], 16.2f * std::exp(-3850.0f / scale) + 1.0f, 1e-4f);
  EXPECT_FLOAT_EQ(s->W[1], 4.0f);
  EXPECT_FLOAT_EQ(s->W[2], 4.0f);
}

TEST(ClimSet, StartsEachSimulationAfresh) {
  auto s = climateOnly(60);
  s->IVARW = 2;
  s->TWZERONH = s->TWZEROSH = 1.0f;
  fill(s->QGHG, 60, 6.0f);
  setUpAndRun(*s);
  ASSERT_EQ(s->ISHUTN, 1);
  ASSERT_GT(s->TO[1][1], 1.0f);

  s->ICASE = 2;
  gasCalls.clear();
  CLIMSET(*s, recordGasStep);
  EXPECT_TRUE(gasCalls.empty()) << "year 1 belongs to the LOW set-up only";
  EXPECT_EQ(s->ISHUTN, 0);
  EXPECT_EQ(s->ISHUTS, 0);
  EXPECT_EQ(s->IY, 1);
  EXPECT_EQ(s->IYDONE, 1);
  EXPECT_EQ(s->TIME, 0.0f);
  EXPECT_FLOAT_EQ(s->W[1], s->W0);
  EXPECT_EQ(s->DW[1], 0.0f);
  for (int k = 1; k <= NLAYER; ++k) {
    EXPECT_EQ(s->TO[1][k], 0.0f);
    EXPECT_EQ(s->TO[2][k], 0.0f);
    EXPECT_EQ(s->TG[k], 0.0f);
  }
  EXPECT_EQ(s->TNO, 0.0f);
  EXPECT_EQ(s->HFNS[1], 0.0f);
  EXPECT_EQ(s->TEMP[1], 0.0f);
  EXPECT_EQ(s->MSLTOT[1], 0.0f);
  EXPECT_EQ(s->EXPN[0], 0.0f);
}

void firstYearForcing(OrvState& s, int IFROM, int ITO) {
  recordGasStep(s, IFROM, ITO);
  float* const q[] = {s.QTOT, s.QAER, s.QAERDIR, s.QCO2, s.QCH4, s.QN2O,
                      s.QHALO, s.QCH4O3, s.QGHG, s.QBIO};
  float v = 0.1f;
  for (float* x : q) x[1] = v += 0.1f;
}

TEST(ClimSet, LowSetUpRunsYearOneAndMirrorsItIntoElementZero) {
  for (int mode : {1, 9}) {
    auto s = climateOnly(10);
    s->ICASE = mode == 9 ? 4 : 1;
    s->IRUNMODE = mode == 9 ? 9 : 0;
    CLIMSET(*s, firstYearForcing);
    ASSERT_EQ(gasCalls.size(), 1u);
    EXPECT_EQ(gasCalls[0].IFROM, 1);
    EXPECT_EQ(gasCalls[0].ITO, 1);
    const float* q[] = {s->QTOT, s->QAER, s->QAERDIR, s->QCO2, s->QCH4, s->QN2O,
                        s->QHALO, s->QCH4O3, s->QGHG, s->QBIO};
    for (const float* x : q) {
      EXPECT_NE(x[1], 0.0f);
      EXPECT_EQ(x[0], -x[1]);
    }
  }
}

TEST(ClimRun, ZeroForcingKeepsEveryProfileAtZero) {
  for (int IVARW : {0, 1, 2}) {
    auto s = climateOnly(120);
    s->IVARW = IVARW;
    setUpAndRun(*s);
    for (int h = 1; h <= 2; ++h) {
      for (int k = 1; k <= NLAYER; ++k) ASSERT_EQ(s->TO[h][k], 0.0f) << "IVARW " << IVARW;
    }
    for (int n = 1; n <= 120; ++n) {
      ASSERT_EQ(s->TEMP[n], 0.0f);
      ASSERT_EQ(s->TDEEP[n], 0.0f);
      ASSERT_EQ(s->EXPN[n], 0.0f);
      ASSERT_EQ(s->QGLOB[n], 0.0f);
    }
    EXPECT_FLOAT_EQ(s->WNH[119], s->W0);
  }
}

// A forcing that differs from year to year, so that an off-by-one year or
// a wrong interpolation weight shows.
void rampForcing(OrvState& s) {
  for (int j = 1; j <= s.NYEND; ++j) s.QGHG[j] = 0.5f + 0.1f * static_cast<float>(j);
}

TEST(ClimRun, YearlyStepsUseEachYearsForcingExactly) {
  auto s = climateOnly(8, 1.0f);
  rampForcing(*s);
  setUpAndRun(*s);
  // The last sub-step runs through year NYEND - 1 with its forcing as is.
  EXPECT_EQ(s->QNO, s->QGHG[7]);
  EXPECT_EQ(s->QSL, s->QGHG[7]);
  for (int j = 2; j <= 7; ++j) EXPECT_FLOAT_EQ(s->QGLOB[j], (s->QGHG[j - 1] + s->QGHG[j]) / 2.0f);
  EXPECT_EQ(s->QGLOB[1], 0.0f);
  EXPECT_FLOAT_EQ(s->TEQU[5], s->QGLOB[5] * 2.6f / s->Q2X);

  // One new year and one stored year per sub-step.
  ASSERT_EQ(gasCalls.size(), 8u);  // year 1 in the set-up, then 2..8
  for (int c = 1; c < 8; ++c) {
    EXPECT_EQ(gasCalls[c].IFROM, c + 1);
    EXPECT_EQ(gasCalls[c].ITO, c + 1);
    EXPECT_EQ(gasCalls[c].TIME, static_cast<float>(c));
    EXPECT_EQ(gasCalls[c].IYDONE, c);
  }
  EXPECT_EQ(s->IYDONE, 8);
  for (int n = 2; n <= 8; ++n) EXPECT_GT(s->TEMP[n], s->TEMP[n - 1]);
}

TEST(ClimRun, HalfYearStepsSitAtThreeQuartersAndOneQuarter) {
  // The first of a year's two sub-steps ends half-way through it.
  auto a = climateOnly(8, 0.5f);
  rampForcing(*a);
  a->TEND = 4.5f;
  setUpAndRun(*a);
  EXPECT_FLOAT_EQ(a->QNO, a->QGHG[4] + 0.75f * (a->QGHG[5] - a->QGHG[4]));

  auto b = climateOnly(8, 0.5f);
  rampForcing(*b);
  b->TEND = 5.0f;
  setUpAndRun(*b);
  EXPECT_FLOAT_EQ(b->QNO, b->QGHG[5] + 0.25f * (b->QGHG[6] - b->QGHG[5]));
  // The year advances with the second sub-step.
  ASSERT_GE(gasCalls.size(), 3u);
  EXPECT_EQ(gasCalls[1].TIME, 1.0f);
  EXPECT_EQ(gasCalls[2].TIME, 2.0f);
}

TEST(ClimRun, ForcingInterpolatesToZeroAtTheStart) {
  auto s = climateOnly(8, 0.5f);
  rampForcing(*s);
  s->TEND = 0.5f;
  setUpAndRun(*s);
  EXPECT_EQ(s->QGHG[0], -s->QGHG[1]);
  EXPECT_EQ(s->QGLOB[1], 0.0f);
  EXPECT_FLOAT_EQ(s->QNO, 0.5f * s->QGHG[1]);
}

TEST(ClimRun, TenthYearStepsStoreEveryYearOnceAndEndOnTheLastYear) {
  auto s = climateOnly(300);
  fill(s->QGHG, 300, 1.0f);
  setUpAndRun(*s);
  EXPECT_EQ(s->TIME, 299.0f);
  EXPECT_EQ(s->IYDONE, 300);
  int next = 1;
  for (const GasCall& c : gasCalls) {
    EXPECT_EQ(c.IFROM, next);
    next = c.ITO + 1;
  }
  EXPECT_EQ(next, 301);
  for (int n = 2; n <= 300; ++n) ASSERT_GT(s->TEMP[n], s->TEMP[n - 1]) << n;
}

void guardedGasStep(OrvState& s, int IFROM, int ITO) {
  ASSERT_LE(ITO, s.NYEND);
  recordGasStep(s, IFROM, ITO);
}

TEST(ClimRun, LastSubStepNeverReachesPastTheRun) {
  // 0.9-year steps end 0.7 years past TEND: year 741 would follow.
  auto s = climateOnly(NYLAST, 0.9f);
  fill(s->QGHG, NYLAST, 1.0f);
  CLIMSET(*s, guardedGasStep);
  CLIMRUN(*s, guardedGasStep);
  EXPECT_GE(s->TIME, s->TEND);
  EXPECT_EQ(gasCalls.back().ITO, NYLAST);
  for (int n = 2; n <= NYLAST; ++n) ASSERT_GT(s->TEMP[n], 0.0f) << n;
}

TEST(ClimRun, RefusesStepsThatWouldNeverEndOrLeaveTheSeries) {
  for (float DT : {0.0f, -0.1f, 0.01f, 1.5f}) {
    auto s = climateOnly(20, DT);
    CLIMSET(*s, recordGasStep);
    EXPECT_THROW(CLIMRUN(*s, recordGasStep), std::invalid_argument) << DT;
  }
  auto s = climateOnly(20);
  s->TEND = 20.0f;
  CLIMSET(*s, recordGasStep);
  EXPECT_THROW(CLIMRUN(*s, recordGasStep), std::invalid_argument);
}

TEST(ClimRun, HemispheresAndBoxesRespondToTheirOwnForcing) {
  // Ozone is split almost entirely into the NH and nine times more onto
  // land than onto ocean.
  auto s = climateOnly(50);
  fill(s->QTROPOZ, 50, 0.5f);
  s->QTROPOZ[0] = -0.5f;
  setUpAndRun(*s);
  EXPECT_GT(s->TNH[50], 3.0f * s->TSH[50]);
  EXPECT_GT(s->TNHL[50], s->TNHO[50]);
  EXPECT_GT(s->HFNS[2], 0.0f) << "heat flows from the warmer NH";
  EXPECT_FLOAT_EQ(s->HFNS[1] * s->FO[1], -s->HFNS[2] * s->FO[2]);
}

TEST(OceanStep, UpwellingCorrectionMovesHeatWithoutMakingAny) {
  // A weakened upwelling alone (no forcing, next to no feedback, no polar
  // sinking) rearranges the column's heat but leaves its total unchanged.
  for (int IWPROF : {0, 1}) {
    auto s = climateOnly(10);
    s->IVARW = 1;
    s->IWPROF = IWPROF;
    s->PI = 0.0f;
    s->XLAM = 1e-6f;
    CLIMSET(*s, recordGasStep);
    s->DW[1] = -1.0f;
    s->W[1] = s->W0 - 1.0f;
    oceanStep(*s, 1, 0.0f, 0.0f);
    float heat = s->HM * s->TO[1][1];
    for (int k = 2; k <= NLAYER; ++k) heat += s->DZ * s->TO[1][k];
    EXPECT_LT(s->TO[1][1], -0.01f) << "the weaker upwelling brings less heat up";
    EXPECT_NEAR(heat, 0.0f, 2e-3f) << IWPROF;
  }
}

TEST(Upwelling, FloorLimitsWButNotItsChange) {
  auto s = climateOnly(10);
  s->IVARW = 1;
  CLIMSET(*s, recordGasStep);
  s->TNO = s->TNL = s->TSO = s->TSL = 20.0f;
  updateUpwelling(*s);
  EXPECT_EQ(s->W[1], WMIN);
  EXPECT_EQ(s->W[2], WMIN);
  EXPECT_FLOAT_EQ(s->DW[1], -4.0f * 20.0f / 14.0f);
  s->TNO = s->TNL = s->TSO = s->TSL = 3.5f;
  updateUpwelling(*s);
  EXPECT_FLOAT_EQ(s->W[1], 3.0f) << "a variable W recovers when it cools";
}

TEST(Upwelling, DrivingTemperatureByScaling) {
  auto s = climateOnly(10);
  s->IVARW = 1;
  CLIMSET(*s, recordGasStep);
  s->TNO = 1.0f;
  s->TNL = 2.0f;
  s->TSO = 3.0f;
  s->TSL = 4.0f;
  const float TGM = (0.58f * 1.0f + 0.42f * 2.0f + 0.79f * 3.0f + 0.21f * 4.0f) / 2.0f;
  const float TOM = (0.58f * 1.0f + 0.79f * 3.0f) / 1.37f;
  const float expected[6][3] = {{},
                                {0.0f, TGM, TGM},
                                {0.0f, TOM, TOM},
                                {0.0f, 1.0f, 3.0f},
                                {0.0f, TGM, TGM},
                                {0.0f, TOM, TOM}};
  for (int IWSCALE = 1; IWSCALE <= 5; ++IWSCALE) {
    s->IWSCALE = IWSCALE;
    updateUpwelling(*s);
    for (int h = 1; h <= 2; ++h) {
      EXPECT_NEAR(s->DW[h], -4.0f * expected[IWSCALE][h] / 14.0f, 1e-5f) << IWSCALE << " " << h;
    }
  }
  // With a shutdown threshold, "active W" scaling moves only W0 - WTHC.
  s->IVARW = 2;
  s->IWSCALE = 4;
  updateUpwelling(*s);
  EXPECT_NEAR(s->DW[1], -(4.0f - 2.0f) * TGM / 14.0f, 1e-5f);
}

TEST(Upwelling, StrongWarmingNeverTakesWBelowTheFloor) {
  auto s = climateOnly(300);
  s->IVARW = 1;
  s->TWZERONH = 2.0f;
  s->TWZEROSH = 3.0f;
  fill(s->QGHG, 300, 12.0f);
  setUpAndRun(*s);
  bool floorReached = false;
  for (int n = 1; n <= 299; ++n) {
    ASSERT_GE(s->WNH[n], WMIN) << n;
    ASSERT_GE(s->WSH[n], WMIN) << n;
    floorReached = floorReached || (s->WNH[n] == WMIN && s->WSH[n] == WMIN);
  }
  EXPECT_TRUE(floorReached);
  EXPECT_LT(s->DW[1], WMIN - s->W0);
  for (int n = 2; n <= 300; ++n) ASSERT_TRUE(std::isfinite(s->TEMP[n]));
}

TEST(Upwelling, ShutdownLatchHoldsWhenTemperaturesFall) {
  auto s = climateOnly(400);
  s->IVARW = 2;
  s->TWZERONH = s->TWZEROSH = 4.0f;
  // Strong warming for a century, then a strong cooling.
  for (int j = 1; j <= 400; ++j) s->QGHG[j] = j <= 100 ? 8.0f : -8.0f;
  setUpAndRun(*s);
  int shut = 0;
  for (int n = 1; n <= 399 && shut == 0; ++n) {
    if (s->WNH[n] == s->WTHC) shut = n;
  }
  ASSERT_GT(shut, 0);
  ASSERT_LT(shut, 100);
  EXPECT_LT(s->TEMP[399], 0.0f) << "the cooling must undo the warming";
  for (int n = shut; n <= 399; ++n) {
    ASSERT_EQ(s->WNH[n], s->WTHC) << n;
    ASSERT_EQ(s->WSH[n], s->WTHC) << n;
  }
  EXPECT_EQ(s->ISHUTN, 1);
  EXPECT_EQ(s->ISHUTS, 1);
  EXPECT_FLOAT_EQ(s->DW[1], s->WTHC - s->W0);
}

TEST(Upwelling, PrescribedModeKeepsW0AndNoCorrection) {
  auto fixed = climateOnly(200);
  auto prescribed = climateOnly(200);
  prescribed->IVARW = 3;
  for (auto* s : {fixed.get(), prescribed.get()}) {
    fill(s->QGHG, 200, 5.0f);
    setUpAndRun(*s);
  }
  for (int n = 1; n <= 199; ++n) ASSERT_EQ(prescribed->WNH[n], prescribed->W0);
  for (int h = 1; h <= 2; ++h) {
    for (int k = 1; k <= NLAYER; ++k) EXPECT_EQ(prescribed->TO[h][k], fixed->TO[h][k]);
  }
  EXPECT_EQ(prescribed->TEMP[200], fixed->TEMP[200]);
}

TEST(ExtraForcing, UsedAloneReplacesTheModelForcing) {
  auto alone = climateOnly(100);
  auto added = climateOnly(100);
  for (auto* s : {alone.get(), added.get()}) {
    s->IQX1 = 20;
    s->IQX2 = 60;
    fill(s->QEXNHO, 100, 1.0f);
    fill(s->QEXNHL, 100, 1.0f);
    fill(s->QEXSHO, 100, 1.0f);
    fill(s->QEXSHL, 100, 1.0f);
  }
  alone->IQEXTRA = 2;
  fill(alone->QGHG, 100, 3.0f);
  fill(alone->QAER, 100, -1.0f);
  fill(alone->QAERDIR, 100, -0.4f);
  fill(alone->QTROPOZ, 100, 0.3f);
  fill(alone->QBIO, 100, -0.2f);
  added->IQEXTRA = 1;
  setUpAndRun(*alone);
  setUpAndRun(*added);
  for (int n = 1; n <= 100; ++n) EXPECT_FLOAT_EQ(alone->TEMP[n], added->TEMP[n]) << n;

  // Only the sub-steps of years IQX1..IQX2 see it, each with its year's
  // value at both ends: from the middle of year IQX1 - 1 (TIME 18.5).
  EXPECT_EQ(alone->QGLOB[19], 0.0f);
  EXPECT_FLOAT_EQ(alone->QGLOB[20], 1.0f);
  EXPECT_FLOAT_EQ(alone->QGLOB[60], 1.0f);
  EXPECT_EQ(alone->QGLOB[61], 0.0f);
  EXPECT_EQ(alone->TEMP[19], 0.0f);
  EXPECT_GT(alone->TEMP[20], 0.0f);
  EXPECT_LT(alone->TEMP[80], alone->TEMP[61]) << "cools once it ends";
}

TEST(Equilibrium, DoubledCO2ForcingApproachesTheSensitivity) {
  for (float RLO : {1.0f, 1.3f}) {
    auto s = climateOnly(NYLAST);
    s->RLO = RLO;
    s->IDIFFL = RLO == 1.0f ? 0 : 1;
    if (s->IDIFFL == 1) LOFEED(*s, s->Q2X, s->FL[1], s->FL[2], s->XKLO, s->XKNS, s->DT2X, RLO);
    fill(s->QGHG, NYLAST, s->Q2X);
    setUpAndRun(*s);
    EXPECT_FLOAT_EQ(s->TEQU[300], s->DT2X);
    for (int n = 3; n <= NYLAST; ++n) ASSERT_GT(s->TEMP[n], s->TEMP[n - 1]) << n;
    const float gap100 = s->DT2X - s->TEMP[100];
    const float gapEnd = s->DT2X - s->TEMP[NYLAST];
    EXPECT_GT(gapEnd, 0.0f);
    EXPECT_LT(gapEnd, 0.3f * gap100);
    EXPECT_GT(s->TEMP[NYLAST], 0.93f * s->DT2X);
    const float ratio100 = s->TLAND[100] / s->TOCN[100];
    const float ratioEnd = s->TLAND[NYLAST] / s->TOCN[NYLAST];
    EXPECT_LT(std::fabs(ratioEnd - RLO), std::fabs(ratio100 - RLO));
    EXPECT_NEAR(ratioEnd, RLO, 0.03f);
  }
}

}  // namespace
}  // namespace orv
