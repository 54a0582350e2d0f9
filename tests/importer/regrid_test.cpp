// Conservative regridding onto the 5-degree grid: the area mean is kept on
// every kind of source grid, a field that is linear in sin(latitude) and
// in cos(longitude)'s cell means comes out as its exact box means, and a
// box less than half covered by valid values is missing.
#include <gtest/gtest.h>

#include <cmath>

#include "cmip_files.h"
#include "importer/regrid.h"

namespace {

using cmiptest::DEG;

imp::SourceGrid source(const cmiptest::Grid& g) {
  imp::SourceGrid s;
  s.lat = g.lat;
  s.lon = g.lon;
  auto edges = [](const std::vector<double>& c) {
    std::vector<double> e(c.size() + 1);
    for (std::size_t k = 1; k < c.size(); ++k) e[k] = 0.5 * (c[k - 1] + c[k]);
    e[0] = c[0] - 0.5 * (c[1] - c[0]);
    e[c.size()] = c.back() + 0.5 * (c.back() - c[c.size() - 2]);
    return e;
  };
  if (g.lat_bounds.empty()) {
    s.lat_edges = edges(g.lat);
  } else {
    s.lat_edges.push_back(g.lat_bounds[0]);
    for (std::size_t k = 0; k < g.lat.size(); ++k) s.lat_edges.push_back(g.lat_bounds[2 * k + 1]);
  }
  for (double& e : s.lat_edges) e = std::clamp(e, -90.0, 90.0);
  s.lon_edges = edges(g.lon);
  return s;
}

// The area mean of a 5-degree field (exact box areas).
double box_mean(const imp::BoxField& f) {
  double sum = 0.0, area = 0.0;
  for (int r = 0; r < 36; ++r)
    for (int c = 0; c < 72; ++c) {
      const double north = 90.0 - 5.0 * r;
      const double a = std::sin(north * DEG) - std::sin((north - 5.0) * DEG);
      sum += a * f[r * 72 + c];
      area += a;
    }
  return sum / area;
}

class RegridGrids : public ::testing::TestWithParam<cmiptest::Grid> {};

TEST_P(RegridGrids, KeepsTheAreaMean) {
  const cmiptest::Grid& g = GetParam();
  const imp::Regridder r(source(g));
  EXPECT_NEAR(r.coverage(), 1.0, 1e-12);
  // A rough field: every cell different.
  std::vector<double> v(g.lat.size() * g.lon.size());
  for (std::size_t k = 0; k < v.size(); ++k) v[k] = 280.0 + 30.0 * std::sin(0.37 * k) + 5.0 * std::cos(1.3 * k);
  imp::BoxField out;
  r.regrid(v, out);
  EXPECT_NEAR(box_mean(out), r.global_mean(v), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(SourceGrids, RegridGrids,
                         ::testing::Values(cmiptest::gaussian(48), cmiptest::regular(2.5, 2.5, false, 0.0),
                                           cmiptest::regular(10.0, 10.0, true, -175.0),
                                           cmiptest::regular(1.0, 1.0, false, -179.5),
                                           cmiptest::regular(3.0, 7.5, true, 1.0)));

// sin(latitude) has the box mean (sin N + sin S) / 2 and cos(longitude)
// (sin E - sin W) / (E - W): the regridded field of cell-mean values equals
// them, whether the longitudes run 0..360 or -180..180.
TEST(Regrid, LinearFieldsGiveTheirExactBoxMeans) {
  for (double lon0 : {0.25, -179.75}) {
    const cmiptest::Grid g = cmiptest::regular(0.5, 0.5, true, lon0);
    const imp::SourceGrid s = source(g);
    std::vector<double> v(g.lat.size() * g.lon.size());
    for (std::size_t i = 0; i < g.lat.size(); ++i)
      for (std::size_t j = 0; j < g.lon.size(); ++j) {
        const double n = s.lat_edges[i] * DEG, so = s.lat_edges[i + 1] * DEG;
        const double w = s.lon_edges[j] * DEG, e = s.lon_edges[j + 1] * DEG;
        v[i * g.lon.size() + j] = (std::sin(n) + std::sin(so)) / 2 + (std::sin(e) - std::sin(w)) / (e - w);
      }
    imp::BoxField out;
    imp::Regridder(s).regrid(v, out);
    for (int r = 0; r < 36; r += 5)
      for (int c = 0; c < 72; c += 7) {
        const double n = (90.0 - 5.0 * r) * DEG, so = n - 5.0 * DEG;
        const double w = (-180.0 + 5.0 * c) * DEG, e = w + 5.0 * DEG;
        EXPECT_NEAR(out[r * 72 + c], (std::sin(n) + std::sin(so)) / 2 + (std::sin(e) - std::sin(w)) / (e - w), 1e-12)
            << "row " << r + 1 << " column " << c + 1 << " lon0 " << lon0;
      }
  }
}

// A box needs valid values over at least half its area.
TEST(Regrid, BoxesLessThanHalfCoveredAreMissing) {
  const cmiptest::Grid g = cmiptest::regular(1.0, 1.0, true, -179.5);  // north to south from 89.5
  std::vector<double> v(g.lat.size() * g.lon.size(), 1.0);
  // Box row 1, column 1 (85..90 N, 180..175 W) covers source rows 0-4, columns 0-4.
  auto cell = [&](int i, int j) -> double& { return v[i * g.lon.size() + j]; };
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 2; ++j) cell(i, j) = std::nan("");  // 2 of 5 columns: 40 % missing
  // Box row 1, column 2: 3 of 5 columns missing.
  for (int i = 0; i < 5; ++i)
    for (int j = 5; j < 8; ++j) cell(i, j) = std::nan("");
  imp::BoxField out;
  imp::Regridder(source(g)).regrid(v, out);
  EXPECT_DOUBLE_EQ(out[0], 1.0);
  EXPECT_TRUE(std::isnan(out[1]));
  EXPECT_DOUBLE_EQ(out[2], 1.0);
}

}  // namespace
