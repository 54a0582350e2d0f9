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

void solveTridiagonalPair(const Tridiagonal& a, float (&Ta)[NLAYER + 1], const Tridiagonal& b,
                          float (&Tb)[NLAYER + 1]) {
  // The same operations as solveTridiagonal on each system, interleaved so
  // that the two chains of dependent divisions overlap.
  float Ea[NLAYER + 1] = {}, Fa[NLAYER + 1] = {};
  float Eb[NLAYER + 1] = {}, Fb[NLAYER + 1] = {};
  Ea[1] = -a.SUPER[1] / a.DIAG[1];
  Fa[1] = a.RHS[1] / a.DIAG[1];
  Eb[1] = -b.SUPER[1] / b.DIAG[1];
  Fb[1] = b.RHS[1] / b.DIAG[1];
  for (int k = 2; k <= NLAYER - 1; ++k) {
    const float Ga = Ea[k - 1] * a.SUB[k] + a.DIAG[k];
    const float Gb = Eb[k - 1] * b.SUB[k] + b.DIAG[k];
    Ea[k] = -a.SUPER[k] / Ga;
    Eb[k] = -b.SUPER[k] / Gb;
    Fa[k] = (a.RHS[k] - Fa[k - 1] * a.SUB[k]) / Ga;
    Fb[k] = (b.RHS[k] - Fb[k - 1] * b.SUB[k]) / Gb;
  }
  const int N = NLAYER;
  Ta[N] = (a.RHS[N] - Fa[N - 1] * a.SUB[N]) / (Ea[N - 1] * a.SUB[N] + a.DIAG[N]);
  Tb[N] = (b.RHS[N] - Fb[N - 1] * b.SUB[N]) / (Eb[N - 1] * b.SUB[N] + b.DIAG[N]);
  for (int k = N - 1; k >= 1; --k) {
    Ta[k] = Ta[k + 1] * Ea[k] + Fa[k];
    Tb[k] = Tb[k + 1] * Eb[k] + Fb[k];
  }
}

void buildOceanColumn(const OrvState& s, int h, float QO, float QL, Tridiagonal& m) {
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

}

void oceanStep(OrvState& s, int h, float QO, float QL) {
  Tridiagonal m;
  buildOceanColumn(s, h, QO, QL, m);
  solveTridiagonal(m, s.TO[h]);
}

void oceanStepBoth(OrvState& s, float QNO, float QNL, float QSO, float QSL) {
  Tridiagonal north, south;
  buildOceanColumn(s, 1, QNO, QNL, north);
  buildOceanColumn(s, 2, QSO, QSL, south);
  solveTridiagonalPair(north, s.TO[1], south, s.TO[2]);
}

}  // namespace orv
