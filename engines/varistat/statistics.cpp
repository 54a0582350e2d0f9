#include "engines/varistat/statistics.h"

#include <span>

#include "engines/common/scaling.h"
#include "engines/varistat/avesd.h"

namespace vs {

namespace {

// Fields 1 … n of a store indexed from 1.
template <std::size_t N>
std::span<const Field> first(const std::array<Field, N>& store, int n) {
  return std::span<const Field>(store).subspan(1, n);
}

// The inter-model S.D. below which IMSNR is not formed (1.0E-6 in single
// precision).
constexpr double SDMIN = static_cast<double>(1.0E-6f);

}  // namespace

Form sd_change_form(int ISCALE) {
  if (ISCALE == 1) return Form::Linear;
  if (ISCALE == 2) return Form::Exponential;
  return Form::Unset;
}

Form mean_change_form(int ISCALE, int IVAR) {
  if (ISCALE == 1) return Form::Linear;
  if (ISCALE == 2) return IVAR == 2 ? Form::Exponential : Form::Linear;
  return Form::Unset;
}

double scale(double x, double DT, Form form) {
  if (!present(x)) return MISSING;
  switch (form) {
    case Form::Linear: return eng::scale_linear(x, DT);
    case Form::Exponential: return eng::scale_exponential(x, DT);
    case Form::Unset: break;
  }
  return MISSING;
}

double snr(double C, double B, double M, int IVAR) {
  if (!present(C) || !present(B) || B == 0.0) return MISSING;
  if (IVAR == 1) return C / B;
  if (!present(M)) return MISSING;
  return (C / 100.0 * M) / B;
}

void average_sd_changes(VsState& s) {
  const eng::EngineConfig& c = s.cfg;
  AVESD(first(s.NDELSD, c.NCASES), s.AVNDSD, s.SDNDSD);
  const Form form = sd_change_form(c.ISCALE);
  for (int m = 0; m < eng::NGRID; ++m) s.DELSD.v[m] = scale(s.AVNDSD.v[m], s.DTGHG, form);
}

void remaining_statistics(VsState& s) {
  const eng::EngineConfig& c = s.cfg;
  const Form form = mean_change_form(c.ISCALE, c.IVAR);

  AVESD(first(s.NDELMN, c.NCASES), s.AVNDMN, s.SDNDMN);
  for (int m = 0; m < eng::NGRID; ++m) s.DELMEAN.v[m] = scale(s.AVNDMN.v[m], s.DTGHG, form);

  AVESD(first(s.BSD, c.NMODIN), s.BASESD, s.SDBSD);
  AVESD(first(s.BMEAN, c.NMODIN), s.AVBMEAN, s.SDBMEAN);

  // Per case, against the baselines of the case's model (in definition
  // mode 3 both cases of a model share them).
  for (int k = 1; k <= c.NCASES; ++k) {
    const int model = k > c.NMODIN ? k - c.NMODIN : k;
    const Field& X = s.NDELMN[k];
    const Field& B = s.BSD[model];
    const Field& M = s.BMEAN[model];
    Field& R = s.CASESNR[k];
    for (int m = 0; m < eng::NGRID; ++m)
      R.v[m] = snr(scale(X.v[m], s.DTGHG, form), B.v[m], M.v[m], c.IVAR);
  }

  // Every SNR that is present takes part: a large negative one (a decline
  // over a small baseline S.D.) is a result, not a missing value.
  AVESD(first(s.CASESNR, c.NCASES), s.BARSNR, s.SDSNR, Admit::Present);

  for (int m = 0; m < eng::NGRID; ++m)
    s.SNRBAR.v[m] = snr(s.DELMEAN.v[m], s.BASESD.v[m], s.AVBMEAN.v[m], c.IVAR);

  // The normalised changes: IMSNR does not depend on the warming.
  for (int m = 0; m < eng::NGRID; ++m) {
    const double A = s.AVNDMN.v[m], D = s.SDNDMN.v[m];
    s.IMSNR.v[m] = present(A) && present(D) && D > SDMIN ? A / D : MISSING;
  }
}

}  // namespace vs
