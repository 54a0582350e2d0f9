#include "engines/crossmod/scaled_fields.h"

#include "engines/common/scaling.h"

namespace xm {

void scale_case(const XmState& s, const Field& X, Field& Y) {
  for (int m = 0; m < eng::NGRID; ++m)
    Y.v[m] = eng::S(X.v[m], s.weights.GHGWT, s.cfg.ISCALE, s.cfg.IVAR);
}

void scaled_changes(XmState& s) {
  const eng::EngineConfig& c = s.cfg;
  const eng::Weights& w = s.weights;
  const bool aerosol_only = c.KRUN == 1;
  for (int m = 0; m < eng::NGRID; ++m) {
    // The case mean is scaled; the scaled cases are never averaged here.
    s.G1.v[m] = eng::S(s.XM.v[m], s.DTGHG, c.ISCALE, c.IVAR);
    s.G2.v[m] = eng::S(s.XM.v[m], w.GHGWT, c.ISCALE, c.IVAR);
    // Always linear in the weights, whatever ISCALE says.
    s.A.v[m] = w.EURWT * s.P1.v[m] + w.ASIAWT * s.P2.v[m] + w.ROWWT * s.P3.v[m];
    if (s.G2.v[m] >= -99.0)
      s.T.v[m] = s.G2.v[m] + s.A.v[m];
    else
      s.T.v[m] = aerosol_only ? s.A.v[m] : MISSING;
    s.D.v[m] = c.ISULF == 1 ? s.T.v[m] : s.G1.v[m];
  }
}

void baseline_fields(XmState& s) {
  const eng::EngineConfig& c = s.cfg;
  const bool aerosol_only = c.KRUN == 1;
  for (int m = 0; m < eng::NGRID; ++m) {
    int count = 0;
    double sum = 0.0;
    for (int k = 1; k <= c.NMODIN; ++k) {
      if (!eng::valid(s.B[k].v[m])) continue;
      ++count;
      sum += s.B[k].v[m];
    }
    const double bm = (aerosol_only || count == 0) ? MISSING : sum / count;
    s.BM.v[m] = bm;

    const double obs = s.OBS.v[m];
    double err = MISSING;
    if (eng::valid(bm) && eng::valid(obs)) {
      if (c.IVAR == 1) {
        err = bm - obs;
      } else if (obs <= static_cast<double>(0.01f)) {
        err = static_cast<double>(999.99f);
      } else {
        err = 100.0 * (bm / obs - 1.0);
        if (err > static_cast<double>(999.99f)) err = static_cast<double>(999.99f);
      }
    }
    s.ERRFLD.v[m] = err;
  }
}

namespace {

// The baseline changed by d; MISSING where either is missing (a missing
// change would otherwise give "baseline - 99.99").
double new_climate(double base, double d, int IVAR) {
  if (base < -99.0 || !eng::valid(d)) return MISSING;
  return IVAR == 1 ? base + d : base * (1.0 + d / 100.0);
}

}  // namespace

void new_climates(XmState& s) {
  for (int m = 0; m < eng::NGRID; ++m) {
    s.NO.v[m] = new_climate(s.OBS.v[m], s.D.v[m], s.cfg.IVAR);
    s.NM.v[m] = new_climate(s.BM.v[m], s.D.v[m], s.cfg.IVAR);
  }
}

}  // namespace xm
