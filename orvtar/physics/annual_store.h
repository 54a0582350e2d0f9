// The annual store: hemispheric and global temperatures of the year just
// completed, thermal expansion of the ocean column and, from 1990 on, the
// glacier, Greenland, Antarctic and extra sea-level terms of the parameter
// set.
#pragma once

#include <vector>

#include "orvtar/physics/state.h"

namespace orv {

// Stores the current climate state at element n (the year whose start has
// just been reached, 2 or more) of the state series.
void ANNSTORE(OrvState& s, int n);

// The six sea-level series of one year.
struct SeaLevel {
  float GLAC, GREENL, ANTAR, ZXTRA, ICETOT, EXPN;
};

// Simulations 5 to 20 repeat the sea level that simulations 1 to 4 keep,
// one store per parameter set (1 LOW .. 4 USER): element n of a store is
// year index n.
using SeaLevelStore = std::vector<SeaLevel>;

// The store of `set` in the state of the simulation that filled it.
SeaLevelStore kept_sea_level(const OrvState& s, int set);

// Puts a store of `set` into the state of a later simulation.
void restore_kept_sea_level(const SeaLevelStore& store, OrvState& s, int set);

}  // namespace orv
