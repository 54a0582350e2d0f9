// What the display and drive files keep of the simulations of a run:
// temperature and sea-level changes from IREFYR by parameter set, the
// 1981-2000 mean warming of each set, and the warming since 1990 by SO2
// case and parameter set.
#pragma once

#include "orvtar/control/results.h"
#include "orvtar/physics/state.h"

namespace orv {

// The stores by year index (1 is 1765), as the display and drive files
// read them.
struct ResultStores {
  float TEMLO[NY] = {}, TEMMID[NY] = {}, TEMHI[NY] = {}, TEMUSER[NY] = {}, TEMNOSO2[NY] = {};
  float MSLLO[NY] = {}, MSLMID[NY] = {}, MSLHI[NY] = {}, MSLUSER[NY] = {};
  float TAVG[5] = {};           // mean 1981-2000 warming of each parameter set
  float TDRV[6][5][NDRV] = {};  // warming since 1990 by SO2 case, parameter set, year (1 is 1961)
};

// After simulation NSIM of the run configured in `run` (IRUNMODE, IREFYR,
// NYEND): fills TEMLO, TEMMID, TEMHI or TEMUSER and the matching sea-level
// store with the changes from IREFYR, TEMNOSO2 (zero in run modes 0 and 9,
// the MID run with SO2 constant after 1990 in the twenty-simulation mode),
// TAVG of the parameter set, and TDRV of the simulation's SO2 case and
// parameter set. Simulations are kept in the order of their numbers.
void keep_results(ResultStores& stores, const SimulationResult& r, int NSIM, const OrvState& run);

}  // namespace orv
