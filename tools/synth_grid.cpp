#include "tools/synth_grid.h"

#include <cmath>

#include "tools/land_table.h"

namespace synth {

namespace {

constexpr double DEG = 3.141592653589793 / 180.0;
constexpr int NWAVE = 8;     // waves in one anomaly field
constexpr int MAXZONAL = 4;  // longitude wavenumbers 1 .. 4
constexpr int MAXMERID = 5;  // latitude wavenumbers 1 .. 5

Geometry build_geometry() {
  Geometry g{};
  for (int r = 0; r < NROW; ++r) {
    g.lat[r] = 87.5 - 5.0 * r;
    g.sinlat[r] = std::sin(g.lat[r] * DEG);
    g.coslat[r] = std::cos(g.lat[r] * DEG);
  }
  for (int c = 0; c < NCOL; ++c) g.lon[c] = -177.5 + 5.0 * c;
  for (int r = 0; r < NROW; ++r)
    for (int c = 0; c < NCOL; ++c) g.land[r * NCOL + c] = LAND_ROWS[r][c] == '1' ? 1.0 : 0.0;
  // Continentality: share of land among the neighbours, wrapping in longitude.
  for (int r = 0; r < NROW; ++r)
    for (int c = 0; c < NCOL; ++c) {
      double sum = 0;
      int n = 0;
      for (int dr = -1; dr <= 1; ++dr) {
        int rr = r + dr;
        if (rr < 0 || rr >= NROW) continue;
        for (int dc = -1; dc <= 1; ++dc) {
          sum += g.land[rr * NCOL + (c + dc + NCOL) % NCOL];
          ++n;
        }
      }
      g.landfrac[r * NCOL + c] = sum / n;
    }
  return g;
}

// Wave tables: cos and sin of m * latitude and n * longitude (radians).
struct WaveTables {
  double clat[MAXMERID + 1][NROW], slat[MAXMERID + 1][NROW];
  double clon[MAXZONAL + 1][NCOL], slon[MAXZONAL + 1][NCOL];
};

WaveTables build_waves() {
  const Geometry& g = geometry();
  WaveTables w{};
  for (int m = 0; m <= MAXMERID; ++m)
    for (int r = 0; r < NROW; ++r) {
      w.clat[m][r] = std::cos(m * g.lat[r] * DEG);
      w.slat[m][r] = std::sin(m * g.lat[r] * DEG);
    }
  for (int n = 0; n <= MAXZONAL; ++n)
    for (int c = 0; c < NCOL; ++c) {
      w.clon[n][c] = std::cos(n * g.lon[c] * DEG);
      w.slon[n][c] = std::sin(n * g.lon[c] * DEG);
    }
  return w;
}

}  // namespace

const Geometry& geometry() {
  static const Geometry g = build_geometry();
  return g;
}

Field smooth_anomaly(Rng& rng) {
  static const WaveTables w = build_waves();
  Field f{};
  for (int k = 0; k < NWAVE; ++k) {
    // Each wave cos(n lon + p) cos(m lat + q) has mean square a^2 / 4.
    double a = rng.normal() * 2.0 / std::sqrt(static_cast<double>(NWAVE));
    int n = 1 + rng.below(MAXZONAL);
    int m = 1 + rng.below(MAXMERID);
    double p = rng.uniform(0.0, 6.283185307179586);
    double q = rng.uniform(0.0, 6.283185307179586);
    double cp = std::cos(p), sp = std::sin(p), cq = std::cos(q), sq = std::sin(q);
    for (int r = 0; r < NROW; ++r) {
      double latwave = a * (w.clat[m][r] * cq - w.slat[m][r] * sq);
      double* row = &f[r * NCOL];
      for (int c = 0; c < NCOL; ++c) row[c] += latwave * (w.clon[n][c] * cp - w.slon[n][c] * sp);
    }
  }
  return f;
}

double global_mean(const Field& f) {
  const Geometry& g = geometry();
  double sw = 0, swf = 0;
  for (int r = 0; r < NROW; ++r)
    for (int c = 0; c < NCOL; ++c) {
      double v = f[r * NCOL + c];
      if (!valid(v)) continue;
      sw += g.coslat[r];
      swf += g.coslat[r] * v;
    }
  return sw > 0 ? swf / sw : MISSING;
}

}  // namespace synth
