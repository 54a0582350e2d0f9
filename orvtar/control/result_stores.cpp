#include "orvtar/control/result_stores.h"

namespace orv {

namespace {

// Temperature and sea-level changes from the reference year, and the mean
// 1981-2000 warming of the parameter set.
void keep_changes(OrvState& s) {
  const int r = s.IREFIX;
  const bool single = s.IRUNMODE == 9;
  float sum = 0.0f;
  for (int i = 1; i <= s.NYEND; ++i) {
    const float dtemp = s.TEMP[i] - s.TEMP[r];
    const float dmsl = s.MSLTOT[i] - s.MSLTOT[r];
    if (!single && s.NSIM == 1) {
      s.TEMLO[i] = dtemp;
      s.MSLLO[i] = dmsl;
    } else if (!single && s.NSIM == 2) {
      s.TEMMID[i] = dtemp;
      s.MSLMID[i] = dmsl;
    } else if (!single && s.NSIM == 3) {
      s.TEMHI[i] = dtemp;
      s.MSLHI[i] = dmsl;
    } else if (single || s.NSIM == 4) {
      s.TEMUSER[i] = dtemp;
      s.MSLUSER[i] = dmsl;
    }
    if (s.IRUNMODE == 0 || single) {
      s.TEMNOSO2[i] = 0.0f;
    } else if (s.NSIM == 6) {
      s.TEMNOSO2[i] = dtemp;
    }
    if (i >= 217 && i <= 236) sum += s.TEMP[i];
    if (i == 236) s.TAVG[s.ICASE] = sum / 20.0f;
  }
}

// Warming since 1990 of this simulation's SO2 case. The regional cases are
// taken relative to the case with SO2 constant after 1990, which is already
// relative to 1990 when they run; the 1990 values of all five cases are
// read before any of them is subtracted.
void keep_drive_series(OrvState& s) {
  const int k = s.ISO2CASE, p = s.ICASE;
  const int ny = s.NYEND - 196;
  for (int y = 1; y <= ny; ++y) {
    s.TDRV[k][p][y] = k <= 2 ? s.TEMP[196 + y] : s.TEMP[196 + y] - s.TDRV[2][p][y];
  }
  float at1990[6];
  for (int c = 1; c <= 5; ++c) at1990[c] = s.TDRV[c][p][30];
  for (int c = 1; c <= 5; ++c)
    for (int y = 1; y <= ny; ++y) s.TDRV[c][p][y] -= at1990[c];
}

}  // namespace

void keep_results(OrvState& s) {
  keep_changes(s);
  keep_drive_series(s);
}

}  // namespace orv
