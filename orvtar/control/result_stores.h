// What the run keeps of each simulation for the display and drive files:
// temperature and sea-level changes by parameter set, the 1981-2000 mean
// warming, and the warming since 1990 by SO2 case.
#pragma once

#include "orvtar/physics/state.h"

namespace orv {

// After a simulation: fills TEMLO, TEMMID, TEMHI or TEMUSER and the
// matching sea-level store with the changes from IREFYR, TEMNOSO2 (zero in
// run modes 0 and 9, the MID run with SO2 constant after 1990 in the
// twenty-simulation mode), TAVG of the parameter set, and TDRV of the
// simulation's SO2 case and parameter set.
void keep_results(OrvState& s);

}  // namespace orv
