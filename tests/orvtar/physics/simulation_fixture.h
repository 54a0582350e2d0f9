// One climate-model simulation end to end from a small input set, for tests
// of the physics and of run control: the default configuration of a
// mid-range run (start-up resets applied), the CO2 history, the halocarbon
// forcing and an RCP4.5 emissions profile read from tests/data/orvtar/climate
// by run control's readers, then the run's first set-up and one simulation
// as run control starts them.
//
//   auto s = orv::test::defaultRun(2100);   // configured, inputs read, set up
//   orv::test::runSimulation(*s, 2);         // MID parameter set, full SO2
//
// Tests may change any configuration item between the steps.
#pragma once

#include <cmath>
#include <memory>
#include <string>

#include "orvtar/control/emissions.h"
#include "orvtar/control/inputs.h"
#include "orvtar/control/run_driver.h"
#include "orvtar/physics/climate_model.h"
#include "orvtar/physics/state.h"

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

// Reads co2hist.IN, QHALOS.IN and GAS.EMK from `dir` with run control's
// readers, the run ending in `lastYear` (or the profile's last year).
inline void loadInputs(OrvState& s, const std::string& dir, int lastYear) {
  s.IYEND = lastYear;
  read_co2hist(s, dir + "co2hist.IN");
  read_qhalos(s, dir + "QHALOS.IN");
  read_gasemk(s, dir + "GAS.EMK");
}

// A state configured with the defaults and its inputs read up to
// `lastYear`, before the run's first set-up.
inline std::unique_ptr<OrvState> defaultInputs(int lastYear, const std::string& dir = CLIMATE_DATA) {
  auto s = std::make_unique<OrvState>();
  configureDefaults(*s);
  loadInputs(*s, dir, lastYear);
  return s;
}

// Simulation NSIM (1 to 20) as run control runs it: its set-up (SO2 case,
// parameter set, DT2X, land/ocean feedback, XLAM, CLIMSET), then CLIMRUN.
inline void runSimulation(OrvState& s, int NSIM) {
  s.NSIM = NSIM;
  set_up_simulation(s);
  CLIMRUN(s);
}

// A state configured with the defaults, inputs read up to `lastYear` and
// the run prepared as run control prepares it (the first set-up, which runs
// the gas step of year 1, and the extended emissions), ready for
// runSimulation.
inline std::unique_ptr<OrvState> defaultRun(int lastYear, const std::string& dir = CLIMATE_DATA) {
  auto s = defaultInputs(lastYear, dir);
  prepare_run(*s);
  return s;
}

}  // namespace orv::test
