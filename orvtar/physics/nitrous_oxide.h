// Nitrous oxide budget of one year, with the loss taken from the
// concentration a few years back (transport to the stratosphere).
#pragma once

#include "orvtar/physics/state.h"

namespace orv {

// N2O concentration (ppb) at the end of the year from the year before
// (Cprev), the lagged concentrations Clag and Clag1 of years i-LAGN2O and
// i-LAGN2O-1, and the emission E (TgN/yr). Reads N2OCONV, N2OREF, TAUN2O, SN2O.
float N2OSTEP(const OrvState& s, float Cprev, float Clag, float Clag1, float E);

}  // namespace orv
