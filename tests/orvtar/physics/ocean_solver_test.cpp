// The ocean column's tridiagonal solver against a known solution, and the
// paired solver against two single solves.
#include "orvtar/physics/ocean_solver.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orv {
namespace {

// A diagonally dominant system with the rows of the ocean column (the
// coefficients of a 0.1-year sub-step with XK = 1.3 cm2/s, W = 4 m/yr) and a
// right-hand side made, in double precision, from the chosen solution X.
struct KnownSystem {
  Tridiagonal m;
  double X[NLAYER + 1] = {};
};

KnownSystem known_system(double shift) {
  KnownSystem k;
  const double ADIF = -0.041, CUP = -0.045;
  for (int i = 1; i <= NLAYER; ++i) {
    k.X[i] = 2.0 * std::exp(-0.1 * i) + shift * std::sin(0.3 * i);
    k.m.SUB[i] = i == 1 ? 0.0f : static_cast<float>(ADIF);
    k.m.SUPER[i] = i == NLAYER ? 0.0f : static_cast<float>(CUP);
    k.m.DIAG[i] = static_cast<float>(1.0 - ADIF - CUP);
  }
  k.m.DIAG[1] = 1.02f;
  k.m.SUPER[1] = -0.012f;
  k.m.DIAG[NLAYER] = static_cast<float>(1.0 - CUP);
  for (int i = 1; i <= NLAYER; ++i) {
    double r = static_cast<double>(k.m.DIAG[i]) * k.X[i];
    if (i > 1) r += static_cast<double>(k.m.SUB[i]) * k.X[i - 1];
    if (i < NLAYER) r += static_cast<double>(k.m.SUPER[i]) * k.X[i + 1];
    k.m.RHS[i] = static_cast<float>(r);
  }
  return k;
}

TEST(OceanSolver, RecoversAKnownSolution) {
  const KnownSystem k = known_system(0.5);
  float T[NLAYER + 1] = {};
  solveTridiagonal(k.m, T);
  for (int i = 1; i <= NLAYER; ++i) EXPECT_NEAR(T[i], k.X[i], 2e-6) << "layer " << i;
}

// Every row with coefficients of its own, so that a row or a coefficient
// taken from its neighbour cannot go unnoticed, scaled by `coupling` so that
// the two systems of a pair differ in every coefficient.
KnownSystem varied_system(double phase, double coupling) {
  KnownSystem k;
  for (int i = 1; i <= NLAYER; ++i) {
    k.X[i] = std::cos(0.37 * i + phase) + 0.05 * i;
    k.m.SUB[i] = i == 1 ? 0.0f : static_cast<float>((-0.2 - 0.011 * i) * coupling);
    k.m.SUPER[i] = i == NLAYER ? 0.0f : static_cast<float>((-0.35 + 0.006 * i) * coupling);
    k.m.DIAG[i] = static_cast<float>(1.0 + 0.02 * i + 0.5 * std::sin(0.9 * i * coupling) * std::sin(0.9 * i));
  }
  for (int i = 1; i <= NLAYER; ++i) {
    double r = static_cast<double>(k.m.DIAG[i]) * k.X[i];
    if (i > 1) r += static_cast<double>(k.m.SUB[i]) * k.X[i - 1];
    if (i < NLAYER) r += static_cast<double>(k.m.SUPER[i]) * k.X[i + 1];
    k.m.RHS[i] = static_cast<float>(r);
  }
  return k;
}

TEST(OceanSolver, RecoversKnownSolutionsWhenEveryRowDiffers) {
  // Both solvers, each system of the pair against its own solution.
  const KnownSystem a = varied_system(0.0, 1.0), b = varied_system(2.0, 0.6);
  float T[NLAYER + 1] = {}, Ta[NLAYER + 1] = {}, Tb[NLAYER + 1] = {};
  solveTridiagonal(a.m, T);
  solveTridiagonalPair(a.m, Ta, b.m, Tb);
  for (int i = 1; i <= NLAYER; ++i) {
    EXPECT_NEAR(T[i], a.X[i], 1e-5) << "layer " << i;
    EXPECT_NEAR(Ta[i], a.X[i], 1e-5) << "layer " << i;
    EXPECT_NEAR(Tb[i], b.X[i], 1e-5) << "layer " << i;
  }
}

TEST(OceanSolver, PairGivesTheSingleSolvesBitForBit) {
  const KnownSystem a = known_system(0.5), b = known_system(-1.5);
  float Ta[NLAYER + 1] = {}, Tb[NLAYER + 1] = {};
  float Sa[NLAYER + 1] = {}, Sb[NLAYER + 1] = {};
  solveTridiagonalPair(a.m, Ta, b.m, Tb);
  solveTridiagonal(a.m, Sa);
  solveTridiagonal(b.m, Sb);
  for (int i = 1; i <= NLAYER; ++i) {
    EXPECT_EQ(Ta[i], Sa[i]) << "layer " << i;
    EXPECT_EQ(Tb[i], Sb[i]) << "layer " << i;
  }
}

}  // namespace
}  // namespace orv
