#include "orvtar/physics/ocean_solver.h"

namespace orv {

void solveTridiagonal(const Tridiagonal& m, float (&T)[NLAYER + 1]) {
  float E[NLAYER + 1] = {};
  float F[NLAYER + 1] = {};
  E[1] = -m.SUPER[1] / m.DIAG[1];
  F[1] = m.RHS[1] / m.DIAG[1];
  for (int k = 2; k <= NLAYER - 1; ++k) {
    const float G = E[k - 1] * m.SUB[k] + m.DIAG[k];
    E[k] = -m.SUPER[k] / G;
    F[k] = (m.RHS[k] - F[k - 1] * m.SUB[k]) / G;
  }
  const int N = NLAYER;
  T[N] = (m.RHS[N] - F[N - 1] * m.SUB[N]) / (E[N - 1] * m.SUB[N] + m.DIAG[N]);
  for (int k = N - 1; k >= 1; --k) T[k] = T[k + 1] * E[k] + F[k];
}

void oceanStep(OrvState& s, int h, float QO, float QL) {
  // The land box has no heat capacity: eliminating it leaves an effective
  // feedback on the ocean and a share of the land forcing that reaches the
  // ocean through the land-ocean exchange.
  float DEN, XLEFF;
  if (s.IDIFFL == 1) {
    DEN = (s.FL[h] * s.XLAML + s.XKLO) * s.FO[h];
    XLEFF = (s.FL[h] * s.XKLO * s.XLAML / DEN + s.XLAMO) * s.TOFAC;
  } else {
    DEN = (s.FL[h] * s.XLAM + s.XKLO) * s.FO[h];
    XLEFF = (s.FL[h] * s.XKLO / DEN + 1.0f) * s.XLAM * s.TOFAC;
  }
  const float QLO = s.FL[h] * s.XKLO * QL / DEN;

  const float Wh = s.W[h];
  const float CUP = -(Wh + s.XKHDZ) * s.DTDZ;
  const float DWT = s.DW[h] * s.DTDZ;
  const float* TO = s.TO[h];
  const int N = NLAYER;

  Tridiagonal m;
  // Mixed layer: forcing, feedback, polar sinking and exchange with layer 2.
  m.DIAG[1] = 1.0f + (XLEFF / s.FK + Wh * s.PI + s.XKHH) * s.DTHM;
  m.SUPER[1] = -(Wh + s.XKHH) * s.DTHM;
  m.RHS[1] = TO[1] + (s.HFNS[h] + QO + QLO) * s.DTHM / s.FK;
  // Layer 2 sees the mixed layer across half a layer's thickness.
  const float A2 = -s.XKHH * s.DTDZ;
  m.SUB[2] = A2;
  m.DIAG[2] = 1.0f - A2 - CUP;
  m.SUPER[2] = CUP;
  m.RHS[2] = TO[2];
  for (int k = 3; k <= N - 1; ++k) {
    m.SUB[k] = s.ADIF;
    m.DIAG[k] = 1.0f - s.ADIF - CUP;
    m.SUPER[k] = CUP;
    m.RHS[k] = TO[k];
  }
  // Bottom layer: fed by polar sinking water of the mixed layer's change.
  m.SUB[N] = s.ADIF;
  m.DIAG[N] = 1.0f - CUP;
  m.RHS[N] = TO[N] + TO[1] * Wh * s.PI * s.DTDZ;

  // A changed upwelling rate also advects the unperturbed background profile.
  if (s.IVARW > 0) {
    const float* TB = s.IWPROF == 1 ? s.TINIT[h] : s.TEMP0;
    m.RHS[1] += (TB[2] - s.TBOT[h]) * s.DW[h] * s.DTHM;
    for (int k = 2; k <= N - 1; ++k) m.RHS[k] += (TB[k + 1] - TB[k]) * DWT;
    m.RHS[N] += (s.TBOT[h] - TB[N]) * DWT;
  }

  solveTridiagonal(m, s.TO[h]);
}

}  // namespace orv
