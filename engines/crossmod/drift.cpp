#include "engines/crossmod/drift.h"

namespace xm {

void model_mean_drift(XmState& s) {
  const int NMODIN = s.cfg.NMODIN;
  for (int m = 0; m < eng::NGRID; ++m) {
    int count = 0;
    double sum = 0.0;
    for (int k = 1; k <= NMODIN; ++k) {
      const double X1 = s.X[k].v[m], X2 = s.X[NMODIN + k].v[m];
      if (!eng::valid(X1) || !eng::valid(X2)) continue;
      // A valid X2 is above -99 %, so the precipitation divisor is above 0.01.
      sum += s.cfg.IVAR == 1 ? X1 - X2 : (X1 - X2) / (1.0 + X2 / 100.0);
      ++count;
    }
    s.DRIFT.v[m] = count > 0 ? sum / count : MISSING;
  }
}

}  // namespace xm
