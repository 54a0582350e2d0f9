#include "importer/regrid.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace imp {

namespace {

constexpr double DEG = std::numbers::pi / 180.0;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// Overlap of the intervals [a0, a1] and [b0, b1] (either order of ends).
double overlap(double a0, double a1, double b0, double b1) {
  if (a0 > a1) std::swap(a0, a1);
  if (b0 > b1) std::swap(b0, b1);
  return std::max(0.0, std::min(a1, b1) - std::max(a0, b0));
}

// Longitude overlap in degrees of a source cell [w, e] (any 360-degree
// convention) with the box [W, E] inside -180 … 180: the cell is tried at
// every shift by 360 degrees that can reach the box.
double lon_overlap(double w, double e, double W, double E) {
  double sum = 0.0;
  const double shift = 360.0 * std::floor((w + 180.0) / 360.0);
  for (int k = -1; k <= 1; ++k) sum += overlap(w - shift + 360.0 * k, e - shift + 360.0 * k, W, E);
  return sum;
}

// sin(latitude) difference of the overlap of two latitude bands: their
// area on the unit sphere per radian of longitude.
double band_overlap(double a0, double a1, double b0, double b1) {
  if (a0 > a1) std::swap(a0, a1);
  if (b0 > b1) std::swap(b0, b1);
  const double lo = std::max(a0, b0), hi = std::min(a1, b1);
  return hi > lo ? std::sin(hi * DEG) - std::sin(lo * DEG) : 0.0;
}

}  // namespace

Regridder::Regridder(const SourceGrid& g) {
  const int nlat = static_cast<int>(g.lat.size()), nlon = static_cast<int>(g.lon.size());
  // Source cell areas on the unit sphere.
  cell_area_.resize(static_cast<std::size_t>(nlat) * nlon);
  double total = 0.0;
  for (int i = 0; i < nlat; ++i)
    for (int j = 0; j < nlon; ++j) {
      const double a = band_overlap(g.lat_edges[i], g.lat_edges[i + 1], -90.0, 90.0) *
                       std::abs(g.lon_edges[j + 1] - g.lon_edges[j]) * DEG;
      cell_area_[static_cast<std::size_t>(i) * nlon + j] = a;
      total += a;
    }
  coverage_ = total / (4.0 * std::numbers::pi);

  // Which source rows and columns overlap each box row and column, and by how much.
  std::vector<std::vector<std::pair<int, double>>> rows(eng::NLAT), cols(eng::NLON);
  for (int r = 0; r < eng::NLAT; ++r) {
    const double north = 90.0 - 5.0 * r, south = north - 5.0;
    for (int i = 0; i < nlat; ++i)
      if (double b = band_overlap(g.lat_edges[i], g.lat_edges[i + 1], south, north); b > 0.0)
        rows[r].push_back({i, b});
  }
  for (int c = 0; c < eng::NLON; ++c) {
    const double west = -180.0 + 5.0 * c, east = west + 5.0;
    for (int j = 0; j < nlon; ++j)
      if (double l = lon_overlap(g.lon_edges[j], g.lon_edges[j + 1], west, east); l > 0.0)
        cols[c].push_back({j, l * DEG});
  }
  for (int r = 0; r < eng::NLAT; ++r)
    for (int c = 0; c < eng::NLON; ++c) {
      const int k = r * eng::NLON + c;
      first_[k] = static_cast<int>(parts_.size());
      const double north = 90.0 - 5.0 * r;
      box_area_[k] = (std::sin(north * DEG) - std::sin((north - 5.0) * DEG)) * 5.0 * DEG;
      for (const auto& [i, b] : rows[r])
        for (const auto& [j, l] : cols[c]) parts_.push_back({i * nlon + j, b * l});
    }
  first_[eng::NGRID] = static_cast<int>(parts_.size());
}

void Regridder::regrid(std::span<const double> src, BoxField& out) const {
  for (int k = 0; k < eng::NGRID; ++k) {
    double sum = 0.0, area = 0.0;
    for (int p = first_[k]; p < first_[k + 1]; ++p) {
      const double v = src[parts_[p].cell];
      if (std::isnan(v)) continue;
      sum += parts_[p].area * v;
      area += parts_[p].area;
    }
    out[k] = area >= 0.5 * box_area_[k] ? sum / area : NaN;
  }
}

double Regridder::global_mean(std::span<const double> src) const {
  double sum = 0.0, area = 0.0;
  for (std::size_t k = 0; k < src.size(); ++k)
    if (!std::isnan(src[k])) {
      sum += cell_area_[k] * src[k];
      area += cell_area_[k];
    }
  return area > 0.0 ? sum / area : NaN;
}

}  // namespace imp
