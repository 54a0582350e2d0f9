#include "orvtar/control/result_stores.h"

namespace orv {

namespace {

// Temperature and sea-level changes from the reference year, and the mean
// 1981-2000 warming of the parameter set.
void keep_changes(ResultStores& k, const SimulationResult& res, int NSIM, const OrvState& run) {
  const std::vector<float>& TEMP = res[Output::Temperature].values;  // element i - 1 is index i
  const std::vector<float>& MSLTOT = res[Output::SeaLevel].values;
  const int r = run.IREFIX - 1;
  const bool single = run.IRUNMODE == 9;
  const int ICASE = static_cast<int>(res.parameter_set);
  float sum = 0.0f;
  for (int i = 1; i <= run.NYEND; ++i) {
    const float dtemp = TEMP[i - 1] - TEMP[r];
    const float dmsl = MSLTOT[i - 1] - MSLTOT[r];
    if (!single && NSIM == 1) {
      k.TEMLO[i] = dtemp;
      k.MSLLO[i] = dmsl;
    } else if (!single && NSIM == 2) {
      k.TEMMID[i] = dtemp;
      k.MSLMID[i] = dmsl;
    } else if (!single && NSIM == 3) {
      k.TEMHI[i] = dtemp;
      k.MSLHI[i] = dmsl;
    } else if (single || NSIM == 4) {
      k.TEMUSER[i] = dtemp;
      k.MSLUSER[i] = dmsl;
    }
    if (run.IRUNMODE == 0 || single) {
      k.TEMNOSO2[i] = 0.0f;
    } else if (NSIM == 6) {
      k.TEMNOSO2[i] = dtemp;
    }
    if (i >= 217 && i <= 236) sum += TEMP[i - 1];
    if (i == 236) k.TAVG[ICASE] = sum / 20.0f;
  }
}

// Warming since 1990 of this simulation's SO2 case. The regional cases are
// taken relative to the case with SO2 constant after 1990, which is already
// relative to 1990 when they run; the 1990 values of all five cases are
// read before any of them is subtracted.
void keep_drive_series(ResultStores& k, const SimulationResult& res, const OrvState& run) {
  const std::vector<float>& TEMP = res[Output::Temperature].values;
  const int c = static_cast<int>(res.so2_case), p = static_cast<int>(res.parameter_set);
  const int ny = run.NYEND - 196;
  for (int y = 1; y <= ny; ++y) {
    const float t = TEMP[196 + y - 1];
    k.TDRV[c][p][y] = c <= 2 ? t : t - k.TDRV[2][p][y];
  }
  float at1990[6];
  for (int n = 1; n <= 5; ++n) at1990[n] = k.TDRV[n][p][30];
  for (int n = 1; n <= 5; ++n)
    for (int y = 1; y <= ny; ++y) k.TDRV[n][p][y] -= at1990[n];
}

}  // namespace

void keep_results(ResultStores& stores, const SimulationResult& r, int NSIM, const OrvState& run) {
  keep_changes(stores, r, NSIM, run);
  keep_drive_series(stores, r, run);
}

}  // namespace orv
