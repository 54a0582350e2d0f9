#include "engines/crossmod/area_stats.h"

#include <cmath>
#include <memory>

#include "engines/crossmod/scaled_fields.h"

namespace xm {

void case_area_statistics(XmState& s) {
  const int N = s.cfg.NCASES;
  const eng::Mask& MASK = s.area.MASK;
  auto Y = std::make_unique<Field>();
  for (int n = 1; n <= N + 1; ++n) {
    s.XAVE[n] = eng::area_average(s.X[n], MASK, eng::AreaRule::Case);
    scale_case(s, s.X[n], *Y);
    s.YAVE[n] = eng::area_average(*Y, MASK, eng::AreaRule::Case);
  }

  // A case without a valid box in the area does not enter the spread.
  int count = 0;
  double S1 = 0.0, S2 = 0.0;
  for (int n = 1; n <= N; ++n) {
    const double mean = s.XAVE[n].mean;
    if (!eng::valid(mean)) continue;
    ++count;
    S1 += mean;
    S2 += mean * mean;
  }
  if (count == 0) {
    s.OVMEAN = s.IMSD = MISSING;
    return;
  }
  s.OVMEAN = S1 / count;
  const double var = (S2 - s.OVMEAN * S1) / count;
  s.IMSD = std::sqrt(var < 0.0 ? 0.0 : var);
}

void baseline_area_statistics(XmState& s) {
  const int NMODIN = s.cfg.NMODIN;
  for (int k = 1; k <= NMODIN; ++k)
    s.BAVE[k] = eng::area_average(s.B[k], s.area.MASK, eng::AreaRule::Baseline);
  s.BAVE[NMODIN + 1] = eng::area_average(s.BM, s.area.MASK, eng::AreaRule::Baseline);
}

void model_mean_area_averages(XmState& s) {
  auto mean = [&s](const Field& F) {
    return eng::area_average(F, s.area.MASK, eng::AreaRule::ModelMean).mean;
  };
  s.AVISD = mean(s.ISD);
  s.AVSNR = mean(s.SNR);
  s.AVPROB = mean(s.PROB);
  s.AVG2 = mean(s.G2);
  s.AERAVE = mean(s.A);
  s.AVT = mean(s.T);
}

double scaled_case_average(const XmState& s, int n) {
  const double y = s.YAVE[n].mean;
  if (!eng::valid(y) || !eng::valid(s.AERAVE)) return MISSING;
  return y + s.AERAVE;
}

}  // namespace xm
