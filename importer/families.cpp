#include "importer/families.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace imp {

namespace {

struct Fit {
  double intercept = 0.0, slope = 0.0;
};

// Least-squares line of y on x.
Fit fit(const std::vector<double>& x, const std::vector<double>& y) {
  const double n = static_cast<double>(x.size());
  double mx = 0.0, my = 0.0;
  for (std::size_t k = 0; k < x.size(); ++k) {
    mx += x[k] / n;
    my += y[k] / n;
  }
  double sxy = 0.0, sxx = 0.0;
  for (std::size_t k = 0; k < x.size(); ++k) {
    sxy += (x[k] - mx) * (y[k] - my);
    sxx += (x[k] - mx) * (x[k] - mx);
  }
  Fit f;
  f.slope = sxx > 0.0 ? sxy / sxx : 0.0;
  f.intercept = my - f.slope * mx;
  return f;
}

double mean(const std::vector<double>& y) {
  double s = 0.0;
  for (double v : y) s += v;
  return s / static_cast<double>(y.size());
}

// S.D. of the residuals from a straight line in time, with n - 2 degrees of
// freedom (two parameters were fitted).
double detrended_sd(const std::vector<double>& years, const std::vector<double>& y) {
  const Fit f = fit(years, y);
  double ss = 0.0;
  for (std::size_t k = 0; k < y.size(); ++k) {
    const double r = y[k] - (f.intercept + f.slope * years[k]);
    ss += r * r;
  }
  return y.size() > 2 ? std::sqrt(ss / static_cast<double>(y.size() - 2)) : std::nan("");
}

// The values of years first … last at the box; false when any is missing.
bool values(const SeasonalMeans& v, int first, int last, int season, int box, std::vector<double>& out) {
  out.clear();
  for (int y = first; y <= last; ++y) {
    const double x = v.at(y, season, box);
    if (std::isnan(x)) return false;
    out.push_back(x);
  }
  return true;
}

std::vector<double> years(int first, int last) {
  std::vector<double> y;
  for (int k = first; k <= last; ++k) y.push_back(k);
  return y;
}

double or_missing(double v) { return std::isfinite(v) ? v : eng::MISSING; }

}  // namespace

Warming epoch_warming(const SeasonalMeans& tas, const Epochs& e) {
  Warming w;
  for (int y = e.base_first; y <= e.base_last; ++y) w.base += tas.global_annual(y);
  for (int y = e.future_first; y <= e.future_last; ++y) w.future += tas.global_annual(y);
  w.base /= e.base_last - e.base_first + 1;
  w.future /= e.future_last - e.future_first + 1;
  return w;
}

std::array<BoxField, 6> families(const SeasonalMeans& v, const SeasonalMeans& tas, const Epochs& e, Quantity q,
                                 int season) {
  const Warming w = epoch_warming(tas, e);
  const double dTg = w.dTg();
  const std::vector<double> base_years = years(e.base_first, e.base_last);
  const std::vector<double> future_years = years(e.future_first, e.future_last);
  std::vector<double> G;
  for (int y = e.base_first; y <= e.future_last; ++y) G.push_back(tas.global_annual(y));
  const bool precip = q == Quantity::Precipitation;

  std::array<BoxField, 6> out;
  for (BoxField& f : out) f.fill(eng::MISSING);
  std::vector<double> b, f, all, residual;
  for (int k = 0; k < eng::NGRID; ++k) {
    const bool have_base = values(v, e.base_first, e.base_last, season, k, b);
    if (!have_base) continue;
    const double B = mean(b);
    const double sd_base = detrended_sd(base_years, b);
    // An S.D. at the level of rounding errors is no variability to take a
    // ratio of (a field without interannual variation).
    const double sd_floor = 1e-9 * std::max(1.0, std::abs(B));
    out[2][k] = or_missing(B);
    out[3][k] = or_missing(sd_base);
    // Changes in % of the baseline for precipitation, in degC for temperature.
    const bool relative_ok = !precip || B >= PRECIP_BASE_MIN;
    const double per = precip ? 100.0 / B : 1.0;

    if (values(v, e.future_first, e.future_last, season, k, f)) {
      if (relative_ok) out[0][k] = or_missing((mean(f) - B) * per / dTg);
      const double sd_future = detrended_sd(future_years, f);
      if (sd_base > sd_floor) out[4][k] = or_missing(100.0 * (sd_future / sd_base - 1.0) / dTg);
    }
    if (values(v, e.base_first, e.future_last, season, k, all)) {
      const Fit trend = fit(G, all);
      if (relative_ok) out[1][k] = or_missing(trend.slope * per);
      residual.resize(all.size());
      for (std::size_t n = 0; n < all.size(); ++n)
        residual[n] = std::abs(all[n] - (trend.intercept + trend.slope * G[n]));
      const Fit spread = fit(G, residual);
      const double level = spread.intercept + spread.slope * w.base;  // at the baseline's temperature
      if (level > sd_floor) out[5][k] = or_missing(100.0 * spread.slope / level);
    }
  }
  return out;
}

}  // namespace imp
