// The implicit sub-step of one hemisphere's ocean column: the rows of its
// tridiagonal system (mixed layer, diffusion, upwelling, polar sinking
// water and the variable-upwelling correction) and their solution by
// forward elimination and back substitution in fixed-size vectors.
#pragma once

#include "orvtar/physics/state.h"

namespace orv {

// Rows 1..NLAYER of a tridiagonal system (element 0 unused):
// SUB(k)*T(k-1) + DIAG(k)*T(k) + SUPER(k)*T(k+1) = RHS(k).
struct Tridiagonal {
  float SUB[NLAYER + 1] = {};
  float DIAG[NLAYER + 1] = {};
  float SUPER[NLAYER + 1] = {};
  float RHS[NLAYER + 1] = {};
};

// Solves the system into T(1..NLAYER); the diagonal must dominate, as it
// does for the ocean column.
void solveTridiagonal(const Tridiagonal& m, float (&T)[NLAYER + 1]);

// Both systems at once, with results identical to two solveTridiagonal calls.
void solveTridiagonalPair(const Tridiagonal& a, float (&Ta)[NLAYER + 1], const Tridiagonal& b,
                          float (&Tb)[NLAYER + 1]);

// The rows of hemisphere h's column for one sub-step (see oceanStep).
void buildOceanColumn(const OrvState& s, int h, float QO, float QL, Tridiagonal& m);

// Advances TO(h, 1..40) by one sub-step of length DT under the ocean-box
// forcing QO and the land-box forcing QL of hemisphere h, with the current
// upwelling W(h), DW(h) and inter-hemispheric flux HFNS(h).
void oceanStep(OrvState& s, int h, float QO, float QL);

// Advances both hemispheres' columns by one sub-step; the two columns do
// not depend on each other within a sub-step.
void oceanStepBoth(OrvState& s, float QNO, float QNL, float QSO, float QSL);

}  // namespace orv
