// Pattern comparison of two fields over the study area, and the ranking of
// pair correlations, shared by the validation and correlation reports.
#pragma once

#include <array>

#include "engines/common/grid.h"

namespace eng {

struct Comparison {
  double R = MISSING;          // correlation
  int IR = -9999;              // R as a whole percentage (MISSING -> -9999)
  double RMSE = MISSING;       // root-mean-square difference
  double MEANDIFF = MISSING;   // mean of A - B
  int N = 0;                   // sum of MASK over the boxes where both are valid
};

// Compare(IWT, A, B): over the boxes where A and B are both valid, with
// weight m*w, m = MASK(i,j) (or 1 at every box when IUSEMK = 0) and w = 1
// (IWT = 0) or COSLAT[i] (IWT = 1). Total weight below 1.0E-5 gives R and
// RMSE MISSING and MEANDIFF -99.9; a field S.D. below 1.0E-4 gives R MISSING.
Comparison Compare(int IWT, const Field& A, const Field& B, const Mask& MASK, int IUSEMK = 1);

// R as a whole percentage, halves away from zero (0.005 -> 1, -0.005 -> -1);
// a MISSING (invalid) R gives -9999.
int percent(double R);

// Square table of correlations over up to 41 fields (40 cases and the
// model-mean field), indexed from 1: CORR[i][j].
inline constexpr int MAXCORR = 41;
template <class T>
using CorrTable = std::array<std::array<T, MAXCORR + 1>, MAXCORR + 1>;

// The eight largest pair correlations in descending order (TOP, starting as
// -1.0) and the eight smallest in ascending order (BOT, starting as +1.0),
// indexed 1 … 8.
struct Ranking {
  std::array<double, 9> TOP{};
  std::array<double, 9> BOT{};
};

// Rank(n, CORR): inserts CORR[i][j] for i = 1 … n-1, j = i+1 … n into both
// lists; a value equal to an entry goes before it, so ties take consecutive
// places.
Ranking Rank(int n, const CorrTable<double>& CORR);

}  // namespace eng
