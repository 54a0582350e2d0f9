// One climate-model simulation end to end from a small input set, for tests
// of the physics and of run control: the default configuration of a
// mid-range run (start-up resets applied), the CO2 history, the halocarbon
// forcing and an RCP4.5 emissions profile read from tests/data/orvtar/climate,
// then the run's first set-up and one simulation as run control starts it.
//
//   auto s = orv::test::defaultRun(2100);   // configured, inputs read, set up
//   orv::test::runSimulation(*s, 2);         // MID parameter set, full SO2
//
// Tests may change any configuration item between the steps.
#pragma once

#include <cmath>
#include <memory>
#include <string>

#include "orvtar/physics/climate_model.h"
#include "orvtar/physics/land_ocean_feedback.h"
#include "orvtar/physics/state.h"
#include "records/record_io.h"

namespace orv::test {

inline const std::string CLIMATE_DATA = std::string(TEST_DATA_DIR) + "/orvtar/climate/";

// The default configuration (the bundled defaults), with the settings run
// control derives from it at start-up.
inline void configureDefaults(OrvState& s) {
  // The user's choices.
  s.LEVCO2 = 2;
  s.IFEED = 1;
  s.LEVSO4 = 2;
  s.DT2XUSER = 3.0f;
  s.XK = 1.3f;
  s.IVARW = 1;
  s.IMODEL = 0;
  s.IREFYR = 1990;
  s.IUSERICE = 2;

  // Gas cycles.
  s.FOC80SIN = 2.0f;
  s.CCFB2 = s.CCFB3 = s.CCFB4 = 0.0693f;
  s.IMETH = 1;
  s.LEVCH4 = 2;
  s.TAUCH4U = s.TAUCH4M = 9.6f;
  s.DTAUCH4 = 1.1f;
  s.TAUSINK1 = 120.0f;
  s.TAUSINK2 = 160.0f;
  s.CH4C90 = 1764.4f;
  s.CH4DC90 = 0.0f;
  s.TAUN2O = 120.0f;
  s.N2OC90 = 314.0f;
  s.N2ODC90 = 0.79f;
  s.QN2OC = 0.12f;
  s.IFOCSC = 2;
  s.QO3DU = 0.042f;
  s.IO3FEED = 1;
  s.IHALO = 1;
  s.GASK1 = 0.168f;
  s.GASK2 = 6.2048f;
  s.GASK3 = 0.17f;
  s.GASK4 = 0.0014f;
  s.GASK5 = 0.0042f;
  s.ITAUFB = 1;
  s.D80SIN = 1.8f * std::exp(-6.6551f * s.CCFB4);
  s.CCFB1 = 0.03f * std::exp(-9.3669f * s.CCFB4);
  s.TAUOTHER = 1.0f / (1.0f / s.TAUSINK2 + 1.0f / s.TAUSINK1);

  // Climate model.
  s.TOFAC = 1.0f;
  s.QCO2COEF = 5.35f;
  s.RLO = 1.2f;
  s.HM = 70.0f;
  s.W0 = 4.0f;
  s.PI = 0.2f;
  s.TWZERONH = s.TWZEROSH = 14.0f;
  s.XKLO = 1.0f;
  s.XKNS = 1.0f;
  s.ICO2CONC = 0;
  s.CO2SCALE = 1.0f;
  s.IQEXTRA = 0;
  s.QOFFSET = 0.0f;
  s.QFACTOR = 1.0f;
  const float SLDEFAULT[16] = {0.0f,   0.607f, 2.1f,   0.0625f, 0.011f,  -0.0341f,
                               1.896f, 1.242f, 0.005f, 0.008f,  0.025f,  0.01136f,
                               0.0025f, 0.025f, 0.01136f, 0.0025f};
  for (int k = 1; k <= 15; ++k) s.SLPAR[k] = SLDEFAULT[k];

  // Run and further physics settings.
  s.IRUNMODE = 0;
  s.IQKYOTO = 1;
  s.IWSCALE = 1;
  s.IWPROF = 1;
  s.DT = 0.1f;
  s.DELQH2O = 0.15f;
  s.ESNAT = 37.0f;
  s.IQGHG = 2;
  s.CH4CONV = 2.78f;
  s.SOHM = 0.32f;
  s.DSOH = 0.04f;
  s.GAMOH = 1.0f;
  s.CNOXM = -0.0042f;
  s.DCNOX = 0.00105f;
  s.CCOM = 0.000105f;
  s.DCCO = 0.000026f;
  s.CVOCM = 0.000315f;
  s.DCVOC = 0.000079f;
  s.N2OCONV = 4.8f;
  s.SN2O = -0.05f;
  s.LAGN2O = 3;
  s.WTHC = 2.0f;
  s.ES1990 = 63.968f;

  // Derived at start-up: MID aerosol forcings of 1990, diffusivity in
  // m2/yr, four simulations, the land/ocean case, CO2-doubling forcing,
  // ocean fractions and the heat capacity factor.
  s.QDIR90 = -0.4f;
  s.QIND90 = -0.8f;
  s.QBIO90 = -0.2f;
  s.QFOC90 = 0.1f;
  s.XKH = s.XK * XKCONV;
  s.NSIMS = 4;
  s.IDIFFL = s.RLO == 1.0f ? 0 : 1;
  s.QCO2C = s.QCO2COEF;
  s.Q2X = std::log(2.0f) * s.QCO2C;
  s.FO[1] = 1.0f - s.FL[1];
  s.FO[2] = 1.0f - s.FL[2];
  s.FK = CP * RHO * AREAF / 31.5576f;
}

// Linear interpolation of profile records (years X relative to 1990) into
// an annual series from 1990, the last value held to NYEND.
inline void interpolateProfile(const OrvState& s, const float* Y, float* OUT) {
  const int N = s.NEMK, IOFF = 226;
  const int* X = s.IYR;
  for (int t = 0; t <= X[N] - 1 && IOFF + t <= NYMAX; ++t) {
    for (int j = 1; j <= N - 1; ++j) {
      if (X[j] <= t && t < X[j + 1]) {
        OUT[IOFF + t] = Y[j] + (Y[j + 1] - Y[j]) * static_cast<float>(t - X[j]) /
                                   static_cast<float>(X[j + 1] - X[j]);
      }
    }
  }
  const int LASTIX = IOFF + X[N];
  if (LASTIX <= NYMAX) OUT[LASTIX] = Y[N];
  for (int i = LASTIX + 1; i <= s.NYEND; ++i) OUT[i] = Y[N];
}

// Reads co2hist.IN, QHALOS.IN and GAS.EMK from `dir` and builds the annual
// emissions up to `lastYear` as run control does.
inline void loadInputs(OrvState& s, const std::string& dir, int lastYear) {
  s.IYEND = lastYear;

  rec::Unit hist(dir + "co2hist.IN", rec::Status::Old);
  for (int i = 0; i <= NHIST; ++i) {
    int year = 0;
    hist.read("(1X,I5,2F10.0)", {year, s.CO2HIST[i], s.CO2HIST2[i]});
  }

  rec::Unit halo(dir + "QHALOS.IN", rec::Status::Old);
  halo.read("(1X,2I5)", {s.LASTHALO});
  if (s.LASTHALO > s.IYEND) s.LASTHALO = s.IYEND;
  for (int r = 0; r < 3; ++r) halo.skip();
  for (int i = 166; i <= s.LASTHALO - 1764; ++i) {
    int year = 0;
    if (s.IHALO == 2) {
      halo.read("(1X,I5,2F10.0,20X,2F10.0)",
                {year, s.QMONTDIR[i], s.QSTRATO3[i], s.QKYOTO[i], s.QHALOOTH[i]});
    } else {
      halo.read("(1X,I5,4F10.0)", {year, s.QMONTDIR[i], s.QSTRATO3[i], s.QKYOTO[i], s.QHALOOTH[i]});
    }
  }

  rec::Unit emk(dir + "GAS.EMK", rec::Status::Old);
  emk.read("(I2)", {s.NEMK});
  std::string profile;
  emk.read("(a)", {profile});
  for (int r = 0; r < 3; ++r) emk.skip();
  for (int j = 1; j <= s.NEMK; ++j) {
    emk.read("(1X,I5,18F10.0)", {s.IYR[j], rec::slice(s.EMKV[j], 1, 18)});
    for (int c = 8; c <= 10; ++c) s.EMKV[j][c] += s.ES1990;
    s.EMKTOT[j] = s.EMKV[j][8] + s.EMKV[j][9] + s.EMKV[j][10] - 2.0f * s.ES1990;
  }
  if (s.IYEND > s.IYR[s.NEMK]) s.IYEND = s.IYR[s.NEMK];
  s.NYEND = s.IYEND - 1764;
  s.IREFIX = s.IREFYR - 1764;
  s.TEND = static_cast<float>(s.NYEND - 1);
  for (int j = 1; j <= s.NEMK; ++j) s.IYR[j] -= 1990;

  // Natural emissions that close the CH4 and N2O budgets of 2000.
  auto ch4Budget = [&](float T) {
    return (s.CH4C90 / s.TAUOTHER + s.CH4C90 / T + s.CH4DC90) * s.CH4CONV;
  };
  const float life[5] = {0.0f, s.TAUCH4M - s.DTAUCH4, s.TAUCH4M, s.TAUCH4M + s.DTAUCH4, s.TAUCH4U};
  for (int c = 1; c <= 4; ++c) s.DCH4[c] = ch4Budget(life[c]) - s.EMKV[2][3];
  s.DCH4SEL = s.DCH4[s.LEVCH4];
  s.TAUCH4SEL = life[s.LEVCH4];
  s.DN2O = (s.N2OC90 / s.TAUN2O + s.N2ODC90) * s.N2OCONV - s.EMKV[2][4];
  for (int j = 1; j <= s.NEMK; ++j) {
    s.EMKV[j][3] += s.DCH4SEL;
    s.EMKV[j][4] += s.DN2O;
  }

  float* const column[19] = {nullptr, s.EFOSS, s.NETDEF, s.EMCH4, s.EMN2O, s.ENOX, s.EVOC,
                             s.ECO, s.SO2REG1, s.SO2REG2, s.SO2REG3, s.EMK11, s.EMK12,
                             s.EMK13, s.EMK14, s.EMK15, s.EMK16, s.EMK17, s.EMK18};
  float Y[MAXEMK + 1] = {};
  for (int c = 1; c <= 18; ++c) {
    for (int j = 1; j <= s.NEMK; ++j) Y[j] = s.EMKV[j][c];
    interpolateProfile(s, Y, column[c]);
  }
  interpolateProfile(s, s.EMKTOT, s.SO2TOT);
  s.ECO90 = s.ECO[226];
  for (int i = 226; i <= s.NYEND; ++i) s.SO2[i] = s.SO2TOT[i];
}

// The start of a run after its inputs: the set-up with the LOW parameter set
// (which runs the gas step of year 1), then the one-year extension of the
// SO2 series and CO extended back to zero in 1764.
inline void startRun(OrvState& s) {
  s.ICASE = 1;
  CLIMSET(s);
  const int n = s.NYEND;
  float* const so2[] = {s.SO2TOT, s.SO2REG1, s.SO2REG2, s.SO2REG3};
  for (float* x : so2) x[n + 1] = 2.0f * x[n] - x[n - 1];
  s.SO2[n + 1] = s.SO2TOT[n + 1];
  for (int i = 1; i <= 225; ++i) s.ECOEXT[i] = static_cast<float>(i) * s.ECO90 / 226.0f;
  for (int i = 226; i <= n; ++i) s.ECOEXT[i] = s.ECO[i];
}

// Simulation NSIM (1 to 20) as run control runs it: SO2 case and parameter
// set from the simulation number, DT2X, the land/ocean feedback parameters
// when RLO is not 1, XLAM, CLIMSET and CLIMRUN.
inline void runSimulation(OrvState& s, int NSIM) {
  s.NSIM = NSIM;
  s.ISO2CASE = static_cast<int>((static_cast<float>(NSIM) - 0.1f) / 4.0f) + 1;
  s.ICASE = s.IRUNMODE == 9 ? 4 : (NSIM - 1) % 4 + 1;
  for (int i = 226; i <= s.NYEND + 1; ++i) {
    const float SO2CASE[6] = {0.0f, s.SO2TOT[i], s.ES1990, s.SO2REG1[i], s.SO2REG2[i], s.SO2REG3[i]};
    s.SO2[i] = SO2CASE[s.ISO2CASE];
  }
  s.DT2X = s.ICASE == 4 ? s.DT2XUSER : DT2XSET[s.ICASE];
  if (s.IDIFFL == 1) LOFEED(s, s.Q2X, s.FL[1], s.FL[2], s.XKLO, s.XKNS, s.DT2X, s.RLO);
  s.XLAM = s.Q2X / s.DT2X;
  CLIMSET(s);
  CLIMRUN(s);
}

// A state configured with the defaults, inputs read up to `lastYear` and
// the run started, ready for runSimulation.
inline std::unique_ptr<OrvState> defaultRun(int lastYear, const std::string& dir = CLIMATE_DATA) {
  auto s = std::make_unique<OrvState>();
  configureDefaults(*s);
  loadInputs(*s, dir, lastYear);
  startRun(*s);
  return s;
}

}  // namespace orv::test
