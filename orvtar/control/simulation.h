// One simulation of the climate model, run from a prepared state: the
// parameter set and SO2 case, the set-up, the time loop. A prepared state is
// never changed by a simulation, so simulations can run side by side.
#pragma once

#include <memory>
#include <utility>

#include "orvtar/control/results.h"
#include "orvtar/physics/annual_store.h"
#include "orvtar/physics/state.h"

namespace orv {

// The steps between start-up and the first simulation: the first climate
// set-up with the LOW parameter set, which runs the gas cycles of 1765 for
// every simulation, then the one-year SO2 extension and the extended CO
// emissions.
void prepare_run(OrvState& s);

// The parameter set and SO2 case of simulation NSIM in run mode IRUNMODE:
// simulations 1-4 have full SO2, 5-8 SO2 constant after 1990, then one SO2
// region each; the parameter set cycles LOW, MID, HIGH, USER, and the
// single simulation of run mode 9 is USER.
std::pair<ParameterSet, So2Case> simulation_case(int NSIM, int IRUNMODE);

// Runs one simulation in `s`, which holds a copy of a prepared state: the
// SO2 series of the case, DT2X, the land and ocean feedback parameters when
// they differ, XLAM, the climate set-up and the time loop; then the
// concentrations of the year before 1765, which the mid-year values of 1765
// need. NSIM only names the simulation in warnings.
void run_simulation(OrvState& s, ParameterSet p, So2Case c, int NSIM);

// Whether simulation NSIM of a run in run mode IRUNMODE repeats the sea
// level of an earlier one (the full-SO2 simulation of its parameter set):
// those of the further SO2 cases do.
bool repeats_sea_level(int NSIM, int IRUNMODE);

// What the simulations of the further SO2 cases of a parameter set share
// with its full-SO2 simulation. Their SO2 emissions differ from 1990 on,
// so they start from the full-SO2 state held a few years before that (none
// when the run ends earlier), and they repeat its sea level.
struct SharedHistory {
  std::unique_ptr<OrvState> held;
  SeaLevelStore sea_level;
};

// Runs full-SO2 simulation NSIM (parameter set p) of `prepared` in `s`,
// which first becomes a copy of `prepared` (a recycled state's memory is
// reused; `prepared` is left as it was), and returns the history that the
// further SO2 cases of p share with it.
SharedHistory simulate_full_so2(OrvState& s, const OrvState& prepared, ParameterSet p, int NSIM);

// Runs simulation NSIM, of the further SO2 case c and parameter set p, in
// `s` from the history shared with the full-SO2 simulation of p: the
// results are those of the simulation run from `prepared`.
void simulate_further_case(OrvState& s, const OrvState& prepared, const SharedHistory& shared, ParameterSet p,
                           So2Case c, int NSIM);

// The model as a function call: one simulation of `prepared` and its
// results, as the twenty-simulation run gives them whatever the run mode
// of `prepared` (a further SO2 case first runs the full-SO2 simulation of
// its parameter set, whose sea level it repeats). Nothing is written.
SimulationResult simulate(const OrvState& prepared, ParameterSet p, So2Case c);

// The same, for a caller that hands over a prepared state it needs no more
// (an ensemble member): a full-SO2 simulation runs in it without a copy.
SimulationResult simulate(std::unique_ptr<OrvState> prepared, ParameterSet p, So2Case c);

}  // namespace orv
