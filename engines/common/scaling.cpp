#include "engines/common/scaling.h"

#include <cmath>

namespace eng {

double scale_linear(double x, double DT) { return x * DT; }

double scale_exponential(double x, double DT) {
  if (x <= -100.0) return MISSING;
  return 100.0 * (std::pow(1.0 + x / 100.0, DT) - 1.0);
}

double S(double x, double DT, int ISCALE, int IVAR) {
  if (!valid(x)) return MISSING;
  if (ISCALE == 2 && IVAR == 2) return scale_exponential(x, DT);
  return scale_linear(x, DT);
}

double choose_DTGHG(const EngineConfig& c, const Weights& w) {
  return c.ISULF == 1 ? w.GHGWT : w.GLOBWT;
}

}  // namespace eng
