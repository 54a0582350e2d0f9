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

// A value that is not finite: series, year and value.
struct BadValue {
  Output output;
  int year;
  float value;
};

// The earliest value of `r` that is not finite; of several in one year,
// the one nearest the cause (emissions, then concentrations, forcing,
// temperature, sea level). None when every value is finite.
std::optional<BadValue> earliest_non_finite(const SimulationResult& r);

// That value in words: "the CH4 concentration, mid-year (ch4, ppb) is not a
// number in 2003".
std::optional<std::string> first_non_finite(const SimulationResult& r);

}  // namespace orv
