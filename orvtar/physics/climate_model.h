// The upwelling-diffusion climate model: hemispheric land and ocean boxes
// over a 40-layer ocean column per hemisphere, stepped through the run in
// sub-steps of DT years.
#pragma once

#include "orvtar/physics/gas_step.h"
#include "orvtar/physics/state.h"

namespace orv {

// The annual gas step that the climate model calls for each new range of
// years. A run uses GASSTEP; tests may drive the model from forcing series
// of their own instead.
using GasStepFn = void (*)(OrvState& s, int IFROM, int ITO);

// Shortest sub-step, yr: model time within 0.01 of a whole year is snapped
// to it, which would undo shorter steps and never end the run.
inline constexpr float DTMIN = 0.02f;

// Set-up of one simulation: area weights, time counters, ocean grid,
// reference and initial profiles, a fresh climate state. With ICASE = 1
// or IRUNMODE = 9 it also runs the gas step for year index 1 and sets
// element 0 of the driving forcing series to minus element 1, so that the
// forcing interpolated to the start of 1765 is zero.
void CLIMSET(OrvState& s, GasStepFn gasStep = GASSTEP);

// Runs one simulation from TIME = 0 to TEND: the gas step each time a new
// year is reached and ANNSTORE each time a year is complete. Throws
// std::invalid_argument unless DTMIN <= DT <= 1, 1 <= NYEND <= NYLAST and
// 0 <= TEND <= NYEND - 1 (anything else would never end or would step
// outside the year series).
//
// With IYHOLD > 0 the run is held before the first sub-step whose gas step
// could reach year index IYHOLD, and CLIMRUN returns false; CLIMRUN called
// again on the held state (or on a copy of it) continues the run exactly as
// if it had not been held. Returns true once the run has reached TEND.
bool CLIMRUN(OrvState& s, GasStepFn gasStep = GASSTEP, int IYHOLD = 0);

}  // namespace orv
