// The annual store: hemispheric and global temperatures of the year just
// completed, thermal expansion of the ocean column and, from 1990 on, the
// glacier, Greenland, Antarctic and extra sea-level terms of the parameter
// set.
#pragma once

#include "orvtar/physics/state.h"

namespace orv {

// Stores the current climate state at element n (the year whose start has
// just been reached, 2 or more) of the state series.
void ANNSTORE(OrvState& s, int n);

// Simulations 5 to 20 repeat the sea level that simulations 1 to 4 keep,
// one store per parameter set (1 LOW .. 4 USER). Copies the store of `set`
// from the state of the simulation that filled it into another state.
void copy_kept_sea_level(const OrvState& from, OrvState& to, int set);

}  // namespace orv
