// The annual gas step over whole runs: history, projections, forcing
// switches and the aerosol terms.
#include "orvtar/physics/gas_step.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <utility>

#include "orvtar/control/emissions.h"
#include "orvtar/physics/aerosol.h"
#include "orvtar/physics/forcing.h"
#include "simulation_fixture.h"

namespace orv {
namespace {

bool finite(const float* a, int first, int last, int& bad) {
  for (int i = first; i <= last; ++i) {
    if (!std::isfinite(a[i])) {
      bad = i;
      return false;
    }
  }
  return true;
}

class GasRun : public ::testing::Test {
 protected:
  // The default configuration and inputs to 2100, with the SO2 series
  // extended one year and CO back to 1765 as before the simulations.
  void SetUp() override {
    s = test::defaultInputs(2100);
    extend_emissions(*s);
  }
  // The climate set-up runs year 1 first; the time loop then runs the rest.
  void run() {
    GASSTEP(*s, 1, 1);
    GASSTEP(*s, 2, s->NYEND);
  }
  std::unique_ptr<OrvState> s;
};

TEST_F(GasRun, MidScenarioWithoutWarmingGivesPlausibleConcentrations) {
  run();
  const int n = s->NYEND;  // 2100
  EXPECT_GT(s->CO2[n], 400.0f);
  EXPECT_LT(s->CO2[n], 1100.0f);
  EXPECT_GT(s->CH4[n], 1000.0f);
  EXPECT_LT(s->CH4[n], 3000.0f);
  EXPECT_GT(s->N2O[n], 320.0f);
  EXPECT_LT(s->N2O[n], 450.0f);
  EXPECT_GT(s->QTOT[n], 2.0f);
  EXPECT_LT(s->QTOT[n], 8.0f);

  // The corrected CO2 meets the observed value of 2000, and the first
  // projected years continue the history smoothly.
  EXPECT_NEAR(s->CO2[NHIST], s->CO2HIST[NHIST], 1e-3);
  EXPECT_NEAR(s->CO2[NHIST + 1] - s->CO2[NHIST], 1.5f, 1.0f);
  EXPECT_NEAR(s->CH4[NHIST + 1], s->CH4[NHIST], 20.0f);
  EXPECT_NEAR(s->N2O[NHIST + 1], s->N2O[NHIST], 2.0f);
  EXPECT_NEAR(s->TAUCH4[NHIST + 1], 9.6f, 0.3f);

  int bad = -1;
  const float* series[] = {s->CO2, s->CH4, s->CH4LO, s->CH4MID, s->CH4HI, s->N2O, s->QCO2,
                           s->QCH4, s->QCH4O3, s->QN2O, s->QHALO, s->QGHG, s->QTROPOZ,
                           s->QAER, s->QAERDIR, s->QFOC, s->QBIO, s->QTOT, s->QKYOTO};
  for (const float* a : series) EXPECT_TRUE(finite(a, 1, n, bad)) << "element " << bad;
  for (int k = 1; k <= 8; ++k) EXPECT_TRUE(finite(s->HALOC[k], 1, n, bad)) << k << " " << bad;
  const float* later[] = {s->TAUCH4, s->CH4OXN, s->ETOT, s->NETEM};
  for (const float* a : later) EXPECT_TRUE(finite(a, NHIST + 1, n, bad)) << "element " << bad;
  for (int v = 1; v <= 4; ++v) {
    const float* carbon[] = {s->CO2V[v], s->PLANT[v], s->HLITT[v], s->SOIL[v], s->REGROW[v],
                             s->CUMNET[v], s->OFLUX[v], s->DELM[v], s->GROSSD[v]};
    for (const float* a : carbon) EXPECT_TRUE(finite(a, 226, n, bad)) << v << " " << bad;
    EXPECT_GT(s->CO2V[v][n], 400.0f) << v;
    EXPECT_LT(s->CO2V[v][n], 1100.0f) << v;
  }
}

TEST_F(GasRun, ReferenceValuesAndCasesFrom2000) {
  run();
  EXPECT_EQ(s->CH4REF, s->CH4[NHIST - 1]);
  EXPECT_EQ(s->N2OREF, s->N2O[NHIST - 1]);
  EXPECT_EQ(s->CH4LO[NHIST], s->CH4[NHIST]);
  EXPECT_EQ(s->CH4HI[NHIST - 1], s->CH4[NHIST - 1]);
  EXPECT_FLOAT_EQ(s->TAU0[1], 8.5f);
  EXPECT_FLOAT_EQ(s->TAU0[3], 10.7f);
  EXPECT_EQ(s->TAU0[4], s->TAU0[2]);
  // The user case is the MID case here.
  for (int i = NHIST + 1; i <= s->NYEND; i += 20) EXPECT_NEAR(s->CH4MID[i], s->CH4[i], 0.01f) << i;
  EXPECT_NE(s->CH4LO[s->NYEND], s->CH4HI[s->NYEND]);
  // Each reference case gets the natural emission that balances its own
  // lifetime, so all three leave 2000 together.
  EXPECT_NEAR(s->CH4LO[NHIST + 1], s->CH4MID[NHIST + 1], 2.0f);
  EXPECT_NEAR(s->CH4HI[NHIST + 1], s->CH4MID[NHIST + 1], 2.0f);
  // N2O loss from the concentrations LAGN2O and LAGN2O+1 years back (3 and
  // 4 here): the budget's four passes, by hand in double precision.
  ASSERT_EQ(s->LAGN2O, 3);
  const double B = s->N2OCONV * s->N2O[299], BREF = s->N2OCONV * s->N2OREF;
  const double BL = 0.5 * s->N2OCONV * (s->N2O[297] + s->N2O[296]);
  double BT = B, dB = 0.0;
  for (int pass = 1; pass <= 4; ++pass) {
    dB = s->EMN2O[300] - BL / (s->TAUN2O * std::pow(BT / BREF, s->SN2O));
    BT = B + dB / 2;
  }
  EXPECT_NEAR(s->N2O[300], (B + dB) / s->N2OCONV, 5e-4);
  // OH-sensitive halocarbons follow the user CH4 lifetime of the year:
  // HFC-134a (17.14 kt per ppt, 13.8 years at the mid-case lifetime 9.6).
  ASSERT_NE(s->TAUCH4[300], s->TAUCH4M);
  const double tau = 13.8 * s->TAUCH4[300] / 9.6;
  const double hfc = ((1 - 1 / (2 * tau)) * s->HALOC[4][299] + s->EMK14[300] / 17.14) / (1 + 1 / (2 * tau));
  EXPECT_NEAR(s->HALOC[4][300], hfc, 1e-5 * hfc);
  // Carbon: the variant of LEVCO2 plus its 2000 difference.
  for (int v = 1; v <= 4; ++v) {
    EXPECT_NEAR(s->DCO2CASE[v], s->CO2HIST[NHIST] - s->CO2V[v][NHIST], 1e-4) << v;
  }
  EXPECT_EQ(s->DCO2SEL, s->DCO2CASE[2]);
  EXPECT_EQ(s->CO2[300], s->CO2V[2][300] + s->DCO2SEL);
  // The 1990s land use: a straight line from variant 4's 1990 flux.
  EXPECT_EQ(s->NETDEF[226], s->D90[4]);
  for (int n = 227; n <= 235; ++n) {
    const float line = s->D90[4] + static_cast<float>(n - 226) * (s->NETDEF[236] - s->D90[4]) / 10;
    EXPECT_NEAR(s->NETDEF[n], line, 1e-5) << n;
  }
  // Methane oxidation from CH4 above 700 ppb.
  EXPECT_NEAR(s->CH4OXN[230], (s->CH4[230] - 700.0f) * 0.18f * 0.0020625f / 9.6f, 1e-6);
  EXPECT_NEAR(s->ETOT[230], s->EFOSS[230] + s->CH4OXN[230], 1e-6);
}

TEST_F(GasRun, HistoryKeepsTheScenarioSulphurFrom1990) {
  // A profile whose 1990 SO2 differs from the base: the 1989 history step
  // used to overwrite it with ES1990.
  s->SO2[226] += 5.0f;
  const float so2at1990 = s->SO2[226], so2at1991 = s->SO2[227];
  run();
  EXPECT_EQ(s->SO2[226], so2at1990);
  EXPECT_EQ(s->SO2[227], so2at1991);
  EXPECT_FLOAT_EQ(s->SO2[225], (63.968f - 68.0f) * 16.0f / 17.0f + 68.0f);
}

TEST_F(GasRun, ForcingOfTheFirstYear) {
  run();
  EXPECT_EQ(s->QCO2[1], 0.0f);
  EXPECT_EQ(s->QN2O[1], 0.0f);
  const float o3 = s->GASK1 * std::log(s->CH4[1] / 700.0f) / std::log(2.5142858f);
  EXPECT_FLOAT_EQ(s->QCH4O3[1], o3);
  EXPECT_FLOAT_EQ(s->QCH4[1], o3);
  EXPECT_EQ(s->QTROPOZ[1], 0.0f);
  EXPECT_FLOAT_EQ(s->QBIO[1], s->QBIO90 / 226.0f);
}

TEST_F(GasRun, TroposphericOzoneReachesItsValueOf2000AndContinues) {
  run();
  EXPECT_FLOAT_EQ(s->QTROPOZ[235], 0.35f - s->GASK1);
  const float step = s->QTROPOZ[235] - s->QTROPOZ[234];
  EXPECT_FLOAT_EQ(s->DQTROP, step);
  EXPECT_FLOAT_EQ(s->QTROPOZ[236], s->QTROPOZ[235] + step);
  const int i = 300;
  const float emis = (s->GASK3 * (s->ENOX[i] - s->ENOX[NHIST]) +
                      s->GASK4 * (s->ECO[i] - s->ECO[NHIST]) +
                      s->GASK5 * (s->EVOC[i] - s->EVOC[NHIST])) * s->QO3DU;
  EXPECT_NEAR(s->QTROPOZ[i], emis + step + 0.35f - s->GASK1, 1e-6);
  // The CH4 part of tropospheric ozone reaches GASK1 in 1999 (1760 ppb) and
  // follows the CH4 change from there.
  EXPECT_NEAR(s->CH4[235], 1760.0f, 1e-3);
  EXPECT_NEAR(s->QCH4O3[235], s->GASK1, 1e-6);
  EXPECT_NEAR(s->QCH4O3[NHIST],
              s->GASK1 + s->QO3DU * s->GASK2 * std::log(s->CH4[NHIST] / s->CH4[235]), 1e-6);
}

TEST_F(GasRun, TotalIsTheSumOfTheAgents) {
  run();
  for (int i : {1, 150, 226, 236, 300, s->NYEND}) {
    EXPECT_FLOAT_EQ(s->QGHG[i], s->QN2O[i] + s->QCO2[i] + s->QCH4[i] + s->QHALO[i]) << i;
    EXPECT_FLOAT_EQ(s->QTOT[i], s->QAER[i] + s->QTROPOZ[i] + s->QBIO[i] + s->QGHG[i]) << i;
    EXPECT_NEAR(s->QCO2[i], 5.35f * std::log(s->CO2[i] / s->CO2[1]), 1e-5) << i;
  }
  // Biomass aerosol follows gross deforestation of the LEVCO2 variant.
  EXPECT_NEAR(s->QBIO[300], -0.2f * std::fmax(0.0f, s->GROSSD[2][300]) / s->GROSSD90[2], 1e-6);
}

TEST_F(GasRun, HalocarbonsIncludeStratosphericOzoneOnlyWithItsFeedback) {
  for (int i = 166; i <= s->NYEND; ++i) {
    s->QMONTDIR[i] = 0.2f;
    s->QSTRATO3[i] = -0.1f;
    s->QHALOOTH[i] = 0.05f;
  }
  s->QKYOTO[200] = 0.001f;
  run();
  EXPECT_FLOAT_EQ(s->QHALO[200], 0.001f + 0.2f - 0.1f + 0.05f);
  EXPECT_FLOAT_EQ(s->QHALO[300], s->QKYOTO[300] + 0.2f - 0.1f + 0.05f);
  s->IO3FEED = 0;
  run();
  EXPECT_FLOAT_EQ(s->QHALO[300], s->QKYOTO[300] + 0.2f + 0.05f);
}

TEST_F(GasRun, MethaneAndNitrousOxideForcingsOverlapOnlyWithThePreindustrialOther) {
  run();
  auto forcingWith = [&](float ch4, float n2o) {
    s->CH4[300] = ch4;
    s->N2O[300] = n2o;
    FORCING(*s, 300);
    return std::pair{s->QCH4[300] - s->QCH4O3[300], s->QN2O[300]};
  };
  const auto base = forcingWith(1800.0f, 330.0f);
  EXPECT_EQ(forcingWith(2500.0f, 330.0f).second, base.second);
  EXPECT_EQ(forcingWith(1800.0f, 400.0f).first, base.first);
  EXPECT_GT(forcingWith(1800.0f, 400.0f).second, base.second);
}

TEST_F(GasRun, CO2OnlySwitchRemovesTheOtherGasesAndOzone) {
  s->IQGHG = 1;
  run();
  for (int i = 1; i <= s->NYEND; ++i) {
    ASSERT_EQ(s->QGHG[i], s->QCO2[i]) << i;
    ASSERT_EQ(s->QTROPOZ[i], 0.0f) << i;
  }
}

TEST_F(GasRun, NoGreenhouseForcingWithSwitchZero) {
  s->IQGHG = 0;
  run();
  EXPECT_EQ(s->QGHG[300], 0.0f);
  EXPECT_NE(s->QCO2[300], 0.0f);
}

TEST_F(GasRun, PrescribedCO2FreezesTheOtherForcingsAfter1990) {
  s->ICO2CONC = 1;
  s->IMETH = 0;
  s->CO2SCALE = 1.2f;
  for (int i = 226; i <= s->NYEND; ++i) s->CO2IN[i] = 354.0f + 2.0f * static_cast<float>(i - 226);
  run();
  for (int i = 227; i <= s->NYEND; ++i) {
    ASSERT_EQ(s->CO2[i], s->CO2IN[i]) << i;
    ASSERT_EQ(s->QAER[i], s->QAER[226]) << i;
    ASSERT_EQ(s->QAERDIR[i], s->QAERDIR[226]) << i;
    ASSERT_EQ(s->QTROPOZ[i], s->QTROPOZ[226]) << i;
    ASSERT_EQ(s->QBIO[i], s->QBIO[226]) << i;
    const float QC = 5.35f * std::log(s->CO2[i] / s->CO2[226]) * 1.2f;
    ASSERT_FLOAT_EQ(s->QGHG[i], QC + s->QGHG[226]) << i;
    ASSERT_FLOAT_EQ(s->QTOT[i], QC + s->QTOT[226]) << i;
  }
}

TEST_F(GasRun, PrescribedCO2WithScenarioSulphurKeepsTheAerosolChange) {
  s->ICO2CONC = 3;
  s->IMETH = 0;
  for (int i = 226; i <= s->NYEND; ++i) s->CO2IN[i] = 354.0f + 2.0f * static_cast<float>(i - 226);
  run();
  const int i = 300;
  const float QC = 5.35f * std::log(s->CO2[i] / s->CO2[226]);
  EXPECT_NE(s->QAER[i], s->QAER[226]);
  EXPECT_FLOAT_EQ(s->QTOT[i], QC + s->QTOT[226] + (s->QAER[i] - s->QAER[226]));
  EXPECT_EQ(s->QTROPOZ[i], s->QTROPOZ[226]);
  EXPECT_EQ(s->QBIO[i], s->QBIO[226]);
}

TEST_F(GasRun, WarmingFeedbacksRaiseCO2) {
  run();
  const float cold = s->CO2[s->NYEND], coldCH4 = s->CH4[s->NYEND];
  // The feedbacks see the warming since 1990 (carbon) and 2000 (CH4) only.
  for (int i = 0; i <= s->NYEND; ++i) s->TEMP[i] = 0.5f;
  run();
  EXPECT_EQ(s->CO2[s->NYEND], cold);
  EXPECT_EQ(s->CH4[s->NYEND], coldCH4);
  for (int i = 0; i <= 200; ++i) s->TEMP[i] = 0.0f;
  for (int i = 201; i <= s->NYEND; ++i) s->TEMP[i] = 0.01f * static_cast<float>(i - 200);
  run();
  EXPECT_GT(s->CO2[s->NYEND], cold);
  EXPECT_FLOAT_EQ(s->T1990X, 2.0f * s->TEMP[225] - s->TEMP[224]);
  EXPECT_FLOAT_EQ(s->T2000X, 2.0f * s->TEMP[235] - s->TEMP[234]);
}

TEST_F(GasRun, SettingsThatWouldIndexOutsideTheSeriesAreRefused) {
  s->LAGN2O = 0;
  EXPECT_THROW(GASSTEP(*s, 1, 1), std::invalid_argument);
  s->LAGN2O = 3;
  s->LEVCO2 = 0;
  EXPECT_THROW(GASSTEP(*s, 1, 1), std::invalid_argument);
  s->LEVCO2 = 2;
  s->LEVCH4 = 5;
  EXPECT_THROW(GASSTEP(*s, 1, 1), std::invalid_argument);
}

TEST(Aerosol, TermsEqualTheir1990ValuesAtTheBaseEmission) {
  auto s = std::make_unique<OrvState>();
  s->ES1990 = 63.968f;
  s->ESNAT = 37.0f;
  s->QDIR90 = -0.4f;
  s->QIND90 = -0.8f;
  s->QFOC90 = 0.1f;
  s->ECO90 = 1099.0f;
  s->IFOCSC = 1;
  AerosolForcing a = AEROSOL(*s, 226, s->ES1990, s->ES1990, 1099.0f);
  EXPECT_FLOAT_EQ(a.QFOC, 0.1f);
  EXPECT_FLOAT_EQ(a.QAERDIR, -0.4f + 0.1f);
  EXPECT_FLOAT_EQ(a.QAER, -0.8f - 0.4f + 0.1f);
  // Fossil carbon follows CO after 1990 when so chosen.
  s->IFOCSC = 2;
  EXPECT_FLOAT_EQ(AEROSOL(*s, 227, s->ES1990, s->ES1990, 1099.0f).QFOC, 0.1f);
  EXPECT_FLOAT_EQ(AEROSOL(*s, 227, s->ES1990, s->ES1990, 549.5f).QFOC, 0.05f);
  EXPECT_FLOAT_EQ(AEROSOL(*s, 226, s->ES1990, s->ES1990, 549.5f).QFOC, 0.1f);
  // Before 1950 the emissions count at 0.7; 1960 is half way to 1.0.
  EXPECT_FLOAT_EQ(AEROSOL(*s, 150, s->ES1990, s->ES1990, 0.0f).QAERDIR, 0.7f * (-0.4f + 0.1f));
  const float w1960 = 0.7f + 0.3f * 10.0f / 20.0f, w1961 = 0.7f + 0.3f * 11.0f / 20.0f;
  EXPECT_FLOAT_EQ(AEROSOL(*s, 196, 10.0f, 20.0f, 0.0f).QAERDIR,
                  (20.0f * w1961 + 10.0f * w1960) / 2.0f * (-0.3f) / 63.968f);
}

}  // namespace
}  // namespace orv
