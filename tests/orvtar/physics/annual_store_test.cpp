// The annual store: hemispheric and global means, thermal expansion, the
// ice terms from 1990 with their ranges, and the sea-level stores that the
// extra SO2 simulations repeat.
#include "orvtar/physics/annual_store.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "orvtar/physics/climate_model.h"
#include "simulation_fixture.h"

namespace orv {
namespace {

void noGasStep(OrvState&, int, int) {}

// Default parameters and reference profiles, set up for simulation NSIM.
std::unique_ptr<OrvState> storeState(int NSIM, int IRUNMODE = 0) {
  auto s = std::make_unique<OrvState>();
  test::configureDefaults(*s);
  s->NSIM = NSIM;
  s->IRUNMODE = IRUNMODE;
  s->ICASE = 2;
  CLIMSET(*s, noGasStep);
  return s;
}

// Stores years first..last with every box and the mixed layers at
// warming(n) and the deeper layers at half of it.
template <class F>
void storeYears(OrvState& s, int first, int last, F warming) {
  for (int n = first; n <= last; ++n) {
    const float w = warming(n);
    s.TNO = s.TNL = s.TSO = s.TSL = w;
    for (int h = 1; h <= 2; ++h) {
      s.TO[h][1] = w;
      for (int k = 2; k <= NLAYER; ++k) s.TO[h][k] = 0.5f * w;
    }
    ANNSTORE(s, n);
  }
}

float linearWarming(int n) { return 0.004f * static_cast<float>(n - 1); }

TEST(AnnStore, HemisphericLandOceanAndGlobalMeans) {
  auto s = storeState(2);
  s->TNO = 1.0f;
  s->TNL = 2.0f;
  s->TSO = 3.0f;
  s->TSL = 4.0f;
  s->TO[1][NLAYER] = 0.2f;
  s->TO[2][NLAYER] = 0.4f;
  ANNSTORE(*s, 2);
  EXPECT_EQ(s->TNHO[2], 1.0f);
  EXPECT_EQ(s->TNHL[2], 2.0f);
  EXPECT_EQ(s->TSHO[2], 3.0f);
  EXPECT_EQ(s->TSHL[2], 4.0f);
  EXPECT_FLOAT_EQ(s->TNH[2], 1.42f);
  EXPECT_FLOAT_EQ(s->TSH[2], 3.21f);
  EXPECT_FLOAT_EQ(s->TEMP[2], 2.315f);
  EXPECT_FLOAT_EQ(s->TLAND[2], (0.84f + 0.84f) / 0.63f);
  EXPECT_FLOAT_EQ(s->TOCN[2], (0.58f + 2.37f) / 1.37f);
  EXPECT_FLOAT_EQ(s->TDEEP[2], (0.58f * 0.2f + 0.79f * 0.4f) / 1.37f);
}

TEST(AnnStore, ThermalExpansion) {
  // No warming of the column: no expansion, and before 1990 the total is
  // the expansion alone.
  auto still = storeState(2);
  storeYears(*still, 2, 226, [](int) { return 0.0f; });
  for (int n = 1; n <= 226; ++n) ASSERT_EQ(still->EXPN[n], 0.0f);

  // One degree in the 70 m mixed layer alone: sea water at about 18 degC
  // expands by about 2.4e-4 per degree, 1.7 cm.
  auto s = storeState(2);
  s->TO[1][1] = s->TO[2][1] = 1.0f;
  ANNSTORE(*s, 2);
  EXPECT_NEAR(s->EXPN[2], 1.69f, 0.05f);
  EXPECT_EQ(s->MSLTOT[2], s->EXPN[2]);
  // The same warming again adds nothing; cooling back gives it back.
  ANNSTORE(*s, 3);
  EXPECT_EQ(s->EXPN[3], s->EXPN[2]);
  s->TO[1][1] = s->TO[2][1] = 0.0f;
  ANNSTORE(*s, 4);
  EXPECT_NEAR(s->EXPN[4], 0.0f, 1e-5f);
}

TEST(AnnStore, IceTermsStartFromTheGlacierTermIn1990) {
  auto s = storeState(2);
  storeYears(*s, 2, 226, linearWarming);
  const float GLAC0 = 0.934f * 2.1f - 0.01165f * 2.1f * 2.1f;
  EXPECT_FLOAT_EQ(s->GLAC0, GLAC0);
  EXPECT_FLOAT_EQ(s->T1990, s->TEMP[226]);
  EXPECT_NEAR(s->GLAC[226], GLAC0, 1e-6f);
  EXPECT_EQ(s->GREENL[226], 0.0f);
  EXPECT_EQ(s->ANTAR[226], 0.0f);
  EXPECT_EQ(s->ZXTRA[226], 0.0f);
  EXPECT_NEAR(s->MSLTOT[226], s->EXPN[226] + GLAC0, 1e-5f);
  EXPECT_GT(s->EXPN[226], 0.0f);
}

TEST(AnnStore, IntegratedWarmingDrivesTheIceTermsFrom1990) {
  // The model's own set measures from its 1990 warming, so the integrated
  // warming is the sum of mid-year warmings since 1990.
  auto s = storeState(2);
  storeYears(*s, 2, 246, linearWarming);
  EXPECT_FLOAT_EQ(s->SLPAR[1], s->T1990);
  float CUMT = 0.0f;
  for (int n = 227; n <= 246; ++n) CUMT += (s->TEMP[n - 1] + s->TEMP[n]) / 2.0f;
  EXPECT_NEAR(s->GREENL[246], 0.011f * CUMT, 1e-5f);
  EXPECT_NEAR(s->ANTAR[246], -0.0341f * CUMT, 1e-5f);
  EXPECT_NEAR(s->ZXTRA[246], (0.025f + 0.01136f + 0.0025f) * 20.0f, 1e-5f);
  const float G = 0.0625f * 20.0f * 0.15f + 0.0625f * CUMT + 2.1f;
  EXPECT_NEAR(s->GLAC[246], 0.934f * G - 0.01165f * G * G, 1e-4f);
  EXPECT_FLOAT_EQ(s->MSLTOT[246], s->EXPN[246] + s->ICETOT[246]);
  EXPECT_FLOAT_EQ(s->ICETOT[246], s->ZXTRA[246] + s->ANTAR[246] + s->GREENL[246] + s->GLAC[246]);

  // An emulated model keeps its reference temperature.
  auto e = storeState(2);
  e->IMODEL = 3;
  storeYears(*e, 2, 246, linearWarming);
  EXPECT_EQ(e->SLPAR[1], 0.607f);
  EXPECT_NEAR(e->GREENL[246], 0.011f * (20.0f * (0.607f - e->T1990) + CUMT), 1e-5f);
}

TEST(AnnStore, GlacierTermIsCapped) {
  auto s = storeState(2);
  s->SLPAR[3] = 5.0f;
  storeYears(*s, 2, 300, linearWarming);
  const float cap = 100.0f * (0.934f * 0.400858f - 1.165f * 0.400858f * 0.400858f);
  EXPECT_NEAR(cap, 18.72f, 0.01f);
  float highest = 0.0f;
  for (int n = 226; n <= 300; ++n) highest = std::fmax(highest, s->GLAC[n]);
  EXPECT_LE(highest, cap + 1e-4f);
  EXPECT_NEAR(s->GLAC[300], cap, 1e-4f);
}

// Sea level of simulation NSIM under the linear warming, to 2100.
std::unique_ptr<OrvState> seaLevelRun(int NSIM, int IUSERICE = 2, int IRUNMODE = 0) {
  auto s = storeState(NSIM, IRUNMODE);
  s->IUSERICE = IUSERICE;
  storeYears(*s, 2, 336, linearWarming);
  return s;
}

TEST(AnnStore, RangesOfTheParameterSets) {
  auto low = seaLevelRun(1), mid = seaLevelRun(2), high = seaLevelRun(3);
  const int n = 336;
  EXPECT_LT(low->GLAC[n], mid->GLAC[n]);
  EXPECT_LT(mid->GLAC[n], high->GLAC[n]);
  EXPECT_LT(low->GREENL[n], mid->GREENL[n]);
  EXPECT_LT(mid->GREENL[n], high->GREENL[n]);
  EXPECT_EQ(low->ZXTRA[n], 0.0f);
  EXPECT_FLOAT_EQ(high->ZXTRA[n], 2.0f * mid->ZXTRA[n]);
  EXPECT_LT(low->MSLTOT[n], mid->MSLTOT[n]);
  EXPECT_LT(mid->MSLTOT[n], high->MSLTOT[n]);
  // The half-range of the total is symmetric about the mid value.
  EXPECT_NEAR(high->ICETOT[n] - mid->ICETOT[n], mid->ICETOT[n] - low->ICETOT[n], 1e-4f);

  // The user's ice-melt choice reproduces the LOW, MID and HIGH terms.
  const OrvState* ref[4] = {nullptr, low.get(), mid.get(), high.get()};
  for (int ice = 1; ice <= 3; ++ice) {
    auto user = seaLevelRun(4, ice);
    for (int y : {226, 280, 336}) {
      EXPECT_FLOAT_EQ(user->GLAC[y], ref[ice]->GLAC[y]) << ice;
      EXPECT_FLOAT_EQ(user->GREENL[y], ref[ice]->GREENL[y]) << ice;
      EXPECT_FLOAT_EQ(user->ANTAR[y], ref[ice]->ANTAR[y]) << ice;
      EXPECT_FLOAT_EQ(user->ZXTRA[y], ref[ice]->ZXTRA[y]) << ice;
      EXPECT_NEAR(user->ICETOT[y], ref[ice]->ICETOT[y], 1e-5f) << ice;
    }
  }
}

TEST(AnnStore, ExtraSulphurSimulationsRepeatTheSeaLevelOfTheirSet) {
  // Simulation 1 (LOW) fills its store; simulation 5 (LOW, other SO2) has
  // other temperatures but repeats that sea level, expansion included.
  auto s = storeState(1);
  storeYears(*s, 2, 336, linearWarming);
  float low[6][337];
  for (int n = 226; n <= 336; ++n) {
    low[0][n] = s->GLAC[n];
    low[1][n] = s->GREENL[n];
    low[2][n] = s->ANTAR[n];
    low[3][n] = s->ZXTRA[n];
    low[4][n] = s->ICETOT[n];
    low[5][n] = s->EXPN[n];
  }
  s->NSIM = 5;
  CLIMSET(*s, noGasStep);
  storeYears(*s, 2, 336, [](int n) { return 0.002f * static_cast<float>(n - 1); });
  EXPECT_NE(s->EXPN[200], low[5][200]) << "before 1990 the simulation's own expansion";
  for (int n = 226; n <= 336; ++n) {
    ASSERT_EQ(s->GLAC[n], low[0][n]);
    ASSERT_EQ(s->GREENL[n], low[1][n]);
    ASSERT_EQ(s->ANTAR[n], low[2][n]);
    ASSERT_EQ(s->ZXTRA[n], low[3][n]);
    ASSERT_EQ(s->ICETOT[n], low[4][n]);
    ASSERT_EQ(s->EXPN[n], low[5][n]);
    ASSERT_EQ(s->MSLTOT[n], low[5][n] + low[4][n]);
  }
}

TEST(AnnStore, SingleUserSimulationFillsTheUserStore) {
  auto s = seaLevelRun(1, 3, 9);
  auto high = seaLevelRun(3);
  EXPECT_FLOAT_EQ(s->GLAC[336], high->GLAC[336]);
  EXPECT_EQ(s->GLACK[4][336], s->GLAC[336]);
  EXPECT_EQ(s->EXPNK[4][336], s->EXPN[336]);
  EXPECT_EQ(s->GLACK[1][336], 0.0f);
}

}  // namespace
}  // namespace orv
