#include "orvtar/control/simulation.h"

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

#include "orvtar/control/emissions.h"
#include "orvtar/control/report_concentrations.h"
#include "orvtar/physics/annual_store.h"
#include "orvtar/physics/climate_model.h"
#include "orvtar/physics/land_ocean_feedback.h"

namespace orv {

namespace {

// The SO2 emissions of the simulation's SO2 case, 1990 to one year past
// the end.
void set_so2_case(OrvState& s) {
  for (int i = 226; i <= s.NYEND + 1; ++i) {
    switch (s.ISO2CASE) {
      case 1: s.SO2[i] = s.SO2TOT[i]; break;
      case 2: s.SO2[i] = s.ES1990; break;
      case 3: s.SO2[i] = s.SO2REG1[i]; break;
      case 4: s.SO2[i] = s.SO2REG2[i]; break;
      case 5: s.SO2[i] = s.SO2REG3[i]; break;
      default: break;
    }
  }
}

// A simulation's parameter set, SO2 case and the parameters they give:
// the SO2 series, DT2X, the land and ocean feedback parameters when they
// differ, XLAM.
void set_simulation(OrvState& s, ParameterSet p, So2Case c, int NSIM) {
  s.NSIM = NSIM;
  s.ICASE = static_cast<int>(p);
  s.ISO2CASE = static_cast<int>(c);
  set_so2_case(s);
  s.DT2X = s.ICASE == 4 ? s.DT2XUSER : DT2XSET[s.ICASE];
  if (s.IDIFFL == 1 && !LOFEED(s, s.Q2X, s.FL[1], s.FL[2], s.XKLO, s.XKNS, s.DT2X, s.RLO)) {
    // The report prints RLO as configured; say that it was not reached.
    std::fprintf(stderr,
                 "orvtar: warning: simulation %d: no land and ocean feedback parameters give the "
                 "land/ocean warming ratio RLO = %.3f with DT2X = %.3f and XKLO = %.3f; the "
                 "simulation uses XLAML = %.4f, XLAMO = %.4f\n",
                 NSIM, static_cast<double>(s.RLO), static_cast<double>(s.DT2X),
                 static_cast<double>(s.XKLO), static_cast<double>(s.XLAML), static_cast<double>(s.XLAMO));
  }
  s.XLAM = s.Q2X / s.DT2X;
}

// The gas step of year index 225 (1989) is the first to read an SO2
// emission of 1990, where the SO2 cases part.
constexpr int IYFIRSTCASE = 225;

}  // namespace

void prepare_run(OrvState& s) {
  s.ICASE = 1;
  CLIMSET(s);
  extend_emissions(s);
}

std::pair<ParameterSet, So2Case> simulation_case(int NSIM, int IRUNMODE) {
  const int ISO2CASE = static_cast<int>((static_cast<float>(NSIM) - 0.1f) / 4.0f) + 1;
  int ICASE = NSIM;
  for (int threshold : {5, 9, 13, 17})
    if (NSIM >= threshold) ICASE -= 4;
  if (IRUNMODE == 9) ICASE = 4;
  return {static_cast<ParameterSet>(ICASE), static_cast<So2Case>(ISO2CASE)};
}

void run_simulation(OrvState& s, ParameterSet p, So2Case c, int NSIM) {
  set_simulation(s, p, c, NSIM);
  CLIMSET(s);
  CLIMRUN(s);
  set_concentrations_before_1765(s);
}

bool repeats_sea_level(int NSIM, int IRUNMODE) { return NSIM >= 5 && IRUNMODE != 9; }

SharedHistory simulate_full_so2(OrvState& s, const OrvState& prepared, ParameterSet p, int NSIM) {
  if (&s != &prepared) s = prepared;
  SharedHistory shared;
  set_simulation(s, p, So2Case::Full, NSIM);
  CLIMSET(s);
  if (!CLIMRUN(s, GASSTEP, IYFIRSTCASE)) {
    shared.held = std::make_unique<OrvState>(s);
    CLIMRUN(s);
  }
  set_concentrations_before_1765(s);
  shared.sea_level = kept_sea_level(s, static_cast<int>(p));
  return shared;
}

void simulate_further_case(OrvState& s, const OrvState& prepared, const SharedHistory& shared, ParameterSet p,
                           So2Case c, int NSIM) {
  if (!shared.held) {
    if (&s != &prepared) s = prepared;
    restore_kept_sea_level(shared.sea_level, s, static_cast<int>(p));
    run_simulation(s, p, c, NSIM);
    return;
  }
  s = *shared.held;
  restore_kept_sea_level(shared.sea_level, s, static_cast<int>(p));
  set_simulation(s, p, c, NSIM);
  CLIMRUN(s);
  set_concentrations_before_1765(s);
}

SimulationResult simulate(const OrvState& prepared, ParameterSet p, So2Case c) {
  auto s = std::make_unique<OrvState>(prepared);
  s->IRUNMODE = 1;
  const int set = static_cast<int>(p);
  if (c == So2Case::Full) {
    run_simulation(*s, p, c, set);
    return result_of(*s);
  }
  // The twenty-simulation run numbers a further case NSIM = 4 (case - 1) + set.
  auto start = std::make_unique<OrvState>(*s);
  const SharedHistory shared = simulate_full_so2(*s, *start, p, set);
  simulate_further_case(*s, *start, shared, p, c, (static_cast<int>(c) - 1) * 4 + set);
  return result_of(*s);
}

SimulationResult simulate(std::unique_ptr<OrvState> prepared, ParameterSet p, So2Case c) {
  if (c != So2Case::Full) return simulate(*prepared, p, c);
  prepared->IRUNMODE = 1;
  run_simulation(*prepared, p, c, static_cast<int>(p));
  return result_of(*prepared);
}

}  // namespace orv
