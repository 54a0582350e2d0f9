// The check of a simulation's results before anything is written from
// them: every series finite and within the fields it is printed in.
#pragma once

#include <optional>
#include <string>

#include "orvtar/control/results.h"
#include "orvtar/physics/state.h"

namespace orv {

// Throws rec::Error when a series of simulation NSIM is not finite or does
// not fit a field it is printed in, naming the simulation, the series, its
// first bad year and value, the field, and the settings and inputs that
// drive the series.
void check_result(const SimulationResult& r, int NSIM, const OrvState& run);

// The first value of `r` that is not finite, in the order of the series
// and then of the years: "the CH4 concentration, mid-year (ch4, ppb) is not
// a number in 2003"; none when every value is finite.
std::optional<std::string> first_non_finite(const SimulationResult& r);

}  // namespace orv
