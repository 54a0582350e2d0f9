#include "engines/crossmod/gridpoint_stats.h"

#include <cmath>

namespace xm {

double PROBINC(double XMEAN, double SD, double THRESH) {
  const double d = XMEAN - THRESH;
  double sd = SD;
  if (sd < static_cast<double>(1.0E-4f)) sd = static_cast<double>(1.0E-4f);
  const double z = std::fabs(d) / sd;
  const double t = 1.0 / (1.0 + static_cast<double>(0.33267f) * z);
  const double q = t * (static_cast<double>(0.4361836f) - static_cast<double>(0.1201676f) * t +
                        static_cast<double>(0.937298f) * t * t);
  const double density = z > 8.0 ? 0.0 : std::exp(-z * z / 2.0) / std::sqrt(2.0 * eng::PI);
  const double PHI = 1.0 - density * q;
  return d >= 0.0 ? PHI : 1.0 - PHI;
}

void gridpoint_statistics(XmState& s) {
  const eng::EngineConfig& c = s.cfg;
  const int N = c.NCASES;
  const bool aerosol_only = c.KRUN == 1;
  Field& MEANSLOT = s.X[N + 1];

  for (int m = 0; m < eng::NGRID; ++m) {
    int count = 0, nincr = 0;
    double sum = 0.0, sumsq = 0.0;
    for (int n = 1; n <= N; ++n) {
      const double x = s.X[n].v[m];
      if (!eng::valid(x)) continue;
      ++count;
      sum += x;
      sumsq += x * x;
      if (x - c.THRESH > 0.0) ++nincr;
    }
    MEANSLOT.v[m] = count > 0 ? sum / count : MISSING;
    s.NINCR.v[m] = aerosol_only ? 0 : nincr;

    if (aerosol_only || count == 0) {
      // PROB is MISSING where no case is valid, like the other three.
      s.XM.v[m] = s.ISD.v[m] = s.SNR.v[m] = s.PROB.v[m] = MISSING;
      continue;
    }
    const double xm = sum / count;
    double var = (sumsq - sum * xm) / count;
    if (var < static_cast<double>(1.0E-6f)) var = 0.0;
    const double isd = std::sqrt(var);
    double snr = MISSING;
    if (isd >= static_cast<double>(1.0E-5f)) {
      snr = xm / isd;
      if (snr > static_cast<double>(999.999f)) snr = static_cast<double>(999.999f);
    }
    s.XM.v[m] = xm;
    s.ISD.v[m] = isd;
    s.SNR.v[m] = snr;
    s.PROB.v[m] = N == 1 ? static_cast<double>(nincr) : PROBINC(xm, isd, c.THRESH);
  }
}

}  // namespace xm
