#include "engines/common/compare.h"

#include <cmath>

namespace eng {

Comparison Compare(int IWT, const Field& A, const Field& B, const Mask& MASK, int IUSEMK) {
  const GridTables& g = grid_tables();
  double W = 0.0, SA = 0.0, SAA = 0.0, SB = 0.0, SBB = 0.0, SAB = 0.0, SD = 0.0, SDD = 0.0;
  Comparison r;
  for (int i = 1; i <= NLAT; ++i) {
    const double w = IWT == 1 ? g.COSLAT[i] : 1.0;
    for (int j = 1; j <= NLON; ++j) {
      const double a = A(i, j), b = B(i, j);
      if (!valid(a) || !valid(b)) continue;
      const int m = IUSEMK == 1 ? MASK(i, j) : 1;
      const double mw = m * w;
      const double d = a - b;
      W += mw;
      r.N += m;
      SA += mw * a;
      SAA += mw * a * a;
      SB += mw * b;
      SBB += mw * b * b;
      SAB += mw * a * b;
      SD += mw * d;
      SDD += mw * d * d;
    }
  }
  if (W < static_cast<double>(1.0E-5f)) {
    r.R = MISSING;
    r.RMSE = MISSING;
    r.MEANDIFF = static_cast<double>(-99.9f);
    r.IR = percent(r.R);
    return r;
  }
  const double MA = SA / W, MB = SB / W;
  double VA = SAA / W - MA * MA, VB = SBB / W - MB * MB;
  if (VA < 0.0) VA = 0.0;
  if (VB < 0.0) VB = 0.0;
  const double SDA = std::sqrt(VA), SDB = std::sqrt(VB);
  const double tiny = static_cast<double>(1.0E-4f);
  r.R = (SDA < tiny || SDB < tiny) ? MISSING : (SAB / W - MA * MB) / (SDA * SDB);
  r.MEANDIFF = SD / W;
  r.RMSE = std::sqrt(SDD / W);
  r.IR = percent(r.R);
  return r;
}

int percent(double R) {
  if (!valid(R)) return -9999;
  if (R >= 0.0) return static_cast<int>(100.0 * R + 0.5);
  return -static_cast<int>(-100.0 * R + 0.5);
}

namespace {

// Inserts v into the descending list TOP(1 … 8).
void insert_top(std::array<double, 9>& TOP, double v) {
  if (v >= TOP[1]) {
    for (int k = 8; k >= 2; --k) TOP[k] = TOP[k - 1];
    TOP[1] = v;
    return;
  }
  for (int k = 2; k <= 7; ++k) {
    if (TOP[k] <= v && v < TOP[k - 1]) {
      for (int l = 8; l >= k + 1; --l) TOP[l] = TOP[l - 1];
      TOP[k] = v;
      return;
    }
  }
  if (TOP[8] < v && v < TOP[7]) TOP[8] = v;
}

// Inserts v into the ascending list BOT(1 … 8).
void insert_bot(std::array<double, 9>& BOT, double v) {
  if (v <= BOT[1]) {
    for (int k = 8; k >= 2; --k) BOT[k] = BOT[k - 1];
    BOT[1] = v;
    return;
  }
  for (int k = 2; k <= 7; ++k) {
    if (BOT[k - 1] < v && v <= BOT[k]) {
      for (int l = 8; l >= k + 1; --l) BOT[l] = BOT[l - 1];
      BOT[k] = v;
      return;
    }
  }
  if (BOT[7] < v && v < BOT[8]) BOT[8] = v;
}

}  // namespace

Ranking Rank(int n, const CorrTable<double>& CORR) {
  Ranking r;
  for (int k = 1; k <= 8; ++k) {
    r.TOP[k] = -1.0;
    r.BOT[k] = 1.0;
  }
  for (int i = 1; i <= n - 1; ++i) {
    for (int j = i + 1; j <= n; ++j) {
      insert_top(r.TOP, CORR[i][j]);
      insert_bot(r.BOT, CORR[i][j]);
    }
  }
  return r;
}

}  // namespace eng
