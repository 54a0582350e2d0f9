// One climate-model simulation end to end from a small input set, for tests
// of the physics and of run control: the default configuration of a
// mid-range run (derived settings applied), the CO2 history, the halocarbon
// forcing and an RCP4.5 emissions profile read from tests/data/orvtar/climate
// by run control's readers, then the run's first set-up and one simulation
// as run control starts them.
//
//   auto s = orv::test::defaultRun(2100);   // configured, inputs read, set up
//   orv::test::runSimulation(*s, 2);         // MID parameter set, full SO2
//
// Tests may change any configuration item between the steps.
#pragma once

#include <memory>
#include <string>

#include "orvtar/control/config.h"
#include "orvtar/control/config_values.h"
#include "orvtar/control/emissions.h"
#include "orvtar/control/inputs.h"
#include "orvtar/control/simulation.h"
#include "orvtar/physics/climate_model.h"
#include "orvtar/physics/state.h"

namespace orv::test {

inline const std::string CLIMATE_DATA = std::string(TEST_DATA_DIR) + "/orvtar/climate/";

// The default configuration (the item table's defaults), with the settings
// run control derives from it at start-up.
inline void configureDefaults(OrvState& s) {
  ConfigValues().apply_to(s);
  derive_settings(s, nullptr);
  apply_r1(s);
  apply_r2_to_r9(s, nullptr);
}

// Reads co2hist.IN, QHALOS.IN and GAS.EMK from `dir` with run control's
// readers, the run ending in `lastYear` (or the profile's last year).
inline void loadInputs(OrvState& s, const std::string& dir, int lastYear) {
  s.IYEND = lastYear;
  use_co2_history(s, read_co2hist(dir + "co2hist.IN"));
  use_halocarbon_forcing(s, read_qhalos(s.IHALO, s.IYEND, dir + "QHALOS.IN"));
  build_emissions(s, read_gasemk(dir + "GAS.EMK"));
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
// Run one after the other in the same state, later simulations find the
// sea level that earlier ones keep.
inline void runSimulation(OrvState& s, int NSIM) {
  const auto [set, so2] = simulation_case(NSIM, s.IRUNMODE);
  run_simulation(s, set, so2, NSIM);
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
