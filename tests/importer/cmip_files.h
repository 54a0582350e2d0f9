// CMIP-style netCDF files written by the tests themselves through the
// netCDF API: grids (regular, Gaussian with bounds, either latitude order,
// 0..360 or -180..180 longitudes), mid-month time axes counted with an
// independent day count for several calendars, fill and packed values, and
// an analytic climate whose imported families are known:
//
//   tas = 288.15 K + 10 sin(lat) cos(2 pi (month - 0.5) / 12)
//         + dT(year) (1 + 0.5 sin(lat) + 0.3 cos(lon))
//         + a(year) s(year) cos(lon)
//   s(year)  = +1, -1, -1, +1 for year mod 4 = 0, 1, 2, 3: over whole
//              periods it sums to zero and has no linear trend, so each
//              epoch's mean is exact and its detrended S.D. is a(year)
//              times sqrt(n / (n - 2))
//   dT(year) = 0.05 (year - BASE_MID)               degC, 0 at the baseline's middle
//   a(year)  = NOISE (1 + GROWTH dT(year))          the interannual amplitude
//   pr = BASE_PR (1 + PR_CHANGE dT(year) (1 + 0.5 sin(lat))) mm/day,
//        BASE_PR_DRY north of 60 N
//
// The pattern's global mean is 1 and the seasonal and interannual terms
// average to zero over the sphere (sin(lat) over the area, cos(lon) over a
// full circle of equal cells), so the global-mean warming is exactly dT.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cmath>
#include <functional>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "netcdf/netcdf_file.h"

namespace cmiptest {

constexpr double DEG = std::numbers::pi / 180.0;
constexpr int BASE_FIRST = 2002, BASE_LAST = 2013, FUTURE_FIRST = 2022, FUTURE_LAST = 2033;
constexpr double BASE_MID = 2007.5;   // so dTg = 0.05 * (2027.5 - 2007.5) = 1 degC exactly
constexpr double NOISE = 0.4;         // K
constexpr double GROWTH = 0.1;        // per degC: the S.D. grows 10 % per degC
constexpr double BASE_PR = 3.0;       // mm/day
constexpr double BASE_PR_DRY = 0.005; // mm/day, north of 60 N
constexpr double PR_CHANGE = 0.04;    // 4 % per degC times the pattern

inline double sign(int year) { return year % 4 == 0 || year % 4 == 3 ? 1.0 : -1.0; }
inline double dT(int year) { return 0.05 * (year - BASE_MID); }
inline double pattern(double lat, double lon) { return 1.0 + 0.5 * std::sin(lat * DEG) + 0.3 * std::cos(lon * DEG); }
inline double tas_kelvin(int year, int month, double lat, double lon) {
  const double noise = NOISE * (1.0 + GROWTH * dT(year)) * sign(year) * std::cos(lon * DEG);
  return 288.15 + 10.0 * std::sin(lat * DEG) * std::cos(2.0 * std::numbers::pi * (month - 0.5) / 12.0) +
         dT(year) * pattern(lat, lon) + noise;
}
inline double pr_mm_day(int year, int, double lat, double) {
  const double base = lat > 60.0 ? BASE_PR_DRY : BASE_PR;
  return base * (1.0 + PR_CHANGE * dT(year) * (1.0 + 0.5 * std::sin(lat * DEG)));
}

struct Grid {
  std::vector<double> lat, lon;
  std::vector<double> lat_bounds;  // 2 per latitude when the file should carry lat_bnds
};

// Cells of dlat x dlon degrees covering the globe; latitudes north to south
// when asked, longitudes from lon0.
inline Grid regular(double dlat, double dlon, bool north_to_south, double lon0) {
  Grid g;
  for (double la = -90.0 + dlat / 2; la < 90.0; la += dlat) g.lat.push_back(la);
  if (north_to_south) std::reverse(g.lat.begin(), g.lat.end());
  for (double lo = lon0; lo < lon0 + 360.0 - 1e-9; lo += dlon) g.lon.push_back(lo);
  return g;
}

// A Gaussian grid of n latitudes (roots of the Legendre polynomial P_n, by
// Newton's method) south to north, with bounds from the Gaussian weights
// (the cell between two bounds has the area of its weight), and 2n
// longitudes from 0.
inline Grid gaussian(int n) {
  Grid g;
  std::vector<double> x(n), w(n);
  for (int i = 0; i < n; ++i) {
    double z = std::cos(std::numbers::pi * (i + 0.75) / (n + 0.5)), dp = 0.0;
    for (int it = 0; it < 100; ++it) {
      double p0 = 1.0, p1 = z;
      for (int k = 2; k <= n; ++k) {
        const double p2 = ((2 * k - 1) * z * p1 - (k - 1) * p0) / k;
        p0 = p1;
        p1 = p2;
      }
      dp = n * (z * p1 - p0) / (z * z - 1.0);
      const double dz = p1 / dp;
      z -= dz;
      if (std::abs(dz) < 1e-15) break;
    }
    x[i] = z;
    w[i] = 2.0 / ((1.0 - z * z) * dp * dp);
  }
  double edge = -1.0;  // sin of the southern bound
  for (int i = n - 1; i >= 0; --i) {
    g.lat.push_back(std::asin(x[i]) / DEG);
    g.lat_bounds.push_back(std::asin(std::clamp(edge, -1.0, 1.0)) / DEG);
    edge += w[i];
    g.lat_bounds.push_back(std::asin(std::clamp(edge, -1.0, 1.0)) / DEG);
  }
  g.lat_bounds.back() = 90.0;
  for (int j = 0; j < 2 * n; ++j) g.lon.push_back(j * 180.0 / n);
  return g;
}

// Days from 1850-01-01 to the 15th of the month, counted independently of
// the importer's calendar code.
inline double mid_month_days(const std::string& calendar, int year, int month) {
  static const int cum[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  const int y = year - 1850;
  if (calendar == "360_day") return 360.0 * y + 30.0 * (month - 1) + 14.5;
  if (calendar == "noleap" || calendar == "365_day") return 365.0 * y + cum[month - 1] + 14.5;
  if (calendar == "all_leap" || calendar == "366_day") return 366.0 * y + cum[month - 1] + (month > 2) + 14.5;
  using namespace std::chrono;  // standard, gregorian, proleptic_gregorian after 1582
  const sys_days d = year_month_day{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)}, day{15}};
  const sys_days ref = year_month_day{std::chrono::year{1850}, January, day{1}};
  return (d - ref).count() + 0.5;
}

struct FileSpec {
  std::string path;
  std::string variable = "tas";               // tas or pr
  std::string units = "K";
  std::string calendar = "noleap";
  bool hours = false;                         // time in hours since 1850-01-01 (else days)
  int first_year = 2001, first_month = 1, months = 12;
  nc::Format format = nc::Format::Netcdf4;
  nc::Type type = nc::Type::Float;            // Float, Double, or Short (packed)
  double scale_factor = 1.0, add_offset = 0.0;  // packing of Short files
  std::optional<double> fill;                 // _FillValue written where value() is NaN
  std::string frequency = "mon";
  std::string experiment = "historical";
  // The value at (year, month, lat, lon) in `units`; NaN for no value.
  std::function<double(int, int, double, double)> value;
  int repeat_month = 0;                       // > 0: that step is written twice (daily-like data)
};

inline void write_file(const FileSpec& s, const Grid& g) {
  nc::File f = nc::File::create(s.path, s.format);
  f.def_dim("time", 0);
  f.def_dim("lat", g.lat.size());
  f.def_dim("lon", g.lon.size());
  f.def_dim("bnds", 2);
  nc::Var time = f.def_var("time", nc::Type::Double, {"time"});
  time.put_text("units", std::string(s.hours ? "hours" : "days") + " since 1850-01-01 00:00:00");
  time.put_text("calendar", s.calendar);
  nc::Var lat = f.def_var("lat", nc::Type::Double, {"lat"});
  lat.put_text("units", "degrees_north");
  std::optional<nc::Var> lat_bnds;
  if (!g.lat_bounds.empty()) {
    lat.put_text("bounds", "lat_bnds");
    lat_bnds = f.def_var("lat_bnds", nc::Type::Double, {"lat", "bnds"});
  }
  nc::Var lon = f.def_var("lon", nc::Type::Double, {"lon"});
  lon.put_text("units", "degrees_east");
  nc::Var v = f.def_var(s.variable, s.type, {"time", "lat", "lon"});
  v.put_text("units", s.units);
  if (s.fill) v.put_number("_FillValue", s.type, *s.fill);
  if (s.type == nc::Type::Short) {
    v.put_number("scale_factor", nc::Type::Double, s.scale_factor);
    v.put_number("add_offset", nc::Type::Double, s.add_offset);
  }
  f.globals().put_text("Conventions", "CF-1.7 CMIP-6.2");
  f.globals().put_text("frequency", s.frequency);
  f.globals().put_text("experiment_id", s.experiment);
  f.globals().put_text("variant_label", "r1i1p1f1");
  f.end_define();
  lat.put(std::span<const double>(g.lat));
  lon.put(std::span<const double>(g.lon));
  if (lat_bnds) lat_bnds->put(std::span<const double>(g.lat_bounds));

  std::vector<double> slab(g.lat.size() * g.lon.size());
  std::size_t step = 0;
  for (int n = 0; n < s.months; ++n) {
    const int year = s.first_year + (s.first_month - 1 + n) / 12, month = (s.first_month - 1 + n) % 12 + 1;
    for (std::size_t i = 0; i < g.lat.size(); ++i)
      for (std::size_t j = 0; j < g.lon.size(); ++j) {
        double x = s.value(year, month, g.lat[i], g.lon[j]);
        if (std::isnan(x)) x = s.fill.value_or(1.0e20);
        else if (s.type == nc::Type::Short) x = std::round((x - s.add_offset) / s.scale_factor);
        slab[i * g.lon.size() + j] = x;
      }
    const int copies = s.repeat_month == n + 1 ? 2 : 1;
    for (int c = 0; c < copies; ++c) {
      const double t = (mid_month_days(s.calendar, year, month) + c) * (s.hours ? 24.0 : 1.0);
      time.put({step}, {1}, std::span<const double>(&t, 1));
      v.put({step, 0, 0}, {1, g.lat.size(), g.lon.size()}, std::span<const double>(slab));
      ++step;
    }
  }
  f.close();
}

// The CMIP file name of a variable, experiment and months.
inline std::string cmip_name(const std::string& var, const std::string& model, const std::string& exp, int y0,
                             int m0, int y1, int m1) {
  char buf[160];
  std::snprintf(buf, sizeof buf, "%s_Amon_%s_%s_r1i1p1f1_gn_%04d%02d-%04d%02d.nc", var.c_str(), model.c_str(),
                exp.c_str(), y0, m0, y1, m1);
  return buf;
}

}  // namespace cmiptest
