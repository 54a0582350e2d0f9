#include "tools/synth_climate.h"

#include <algorithm>
#include <cmath>

namespace synth {

namespace {

constexpr double DEG = 3.141592653589793 / 180.0;

// Stream keys: what a random stream is for.
enum Stream : std::uint64_t {
  TRAITS = 1,
  BASE,
  CHANGE1,
  CHANGE2,
  BASESD,
  SDCHANGE1,
  SDCHANGE2,
  CHANGE_OWN,
  SDCHANGE_OWN,
  OBS_OLD,
  OBS_NEW,
  AEROSOL,
};

constexpr double MISSING_SHARE = 0.004;  // sprinkle of missing boxes per model file
constexpr double ZERO_SD_SHARE = 0.004;  // sprinkle of zero baseline S.D.s

// Season shape: `w` is +1 in deep northern winter and -1 in deep northern
// summer (0 for the transition seasons and the year); `months` is the
// length of the averaging period, which damps interannual S.D.
struct Season {
  double w;
  int months;
};

Season season_shape(int iseas) {
  auto month_w = [](int m) { return std::cos(2.0 * 3.141592653589793 * (m - 1) / 12.0); };
  if (iseas <= 12) return {month_w(iseas), 1};
  if (iseas == 17) return {0.0, 12};
  static const int first[4] = {12, 3, 6, 9};  // DJF, MAM, JJA, SON
  int m0 = first[iseas - 13];
  double w = (month_w(m0) + month_w(m0 % 12 + 1) + month_w((m0 + 1) % 12 + 1)) / 3.0;
  return {std::abs(w) < 1e-12 ? 0.0 : w, 3};
}

// The personality of one model: how it departs from the observed climate
// and how strongly it amplifies warming at the poles and over land.
struct Traits {
  double tbias;       // baseline temperature offset, degC
  double pbias;       // baseline precipitation factor
  double itcz_shift;  // displacement of the rain belt, degrees
  double polar_n;     // Arctic amplification
  double polar_s;     // Antarctic amplification
  double land_ratio;  // land / sea warming ratio
  double so_cool;     // damping of the Southern Ocean warming
  double pscale;      // global-mean precipitation change, % per degC
  double noise;       // size of the model's own small-scale structure
  double sdscale;     // baseline S.D. factor
  double def2;        // definition-2 / definition-1 ratio of the patterns
};

Traits model_traits(std::uint64_t seed, int model) {
  Rng rng(seed, {TRAITS, static_cast<std::uint64_t>(model)});
  Traits t;
  t.tbias = 0.8 * rng.normal();
  t.pbias = rng.uniform(0.85, 1.15);
  t.itcz_shift = 2.0 * rng.normal();
  t.polar_n = rng.uniform(1.2, 2.4);
  t.polar_s = rng.uniform(0.2, 0.8);
  t.land_ratio = rng.uniform(1.3, 1.7);
  t.so_cool = rng.uniform(0.3, 0.6);
  t.pscale = rng.uniform(1.2, 2.8);
  t.noise = rng.uniform(0.7, 1.3);
  t.sdscale = rng.uniform(0.8, 1.2);
  t.def2 = rng.uniform(0.92, 1.08);
  return t;
}

// The observed climate: no bias, average amplification.
Traits observed_traits() {
  return {0.0, 1.0, 0.0, 1.8, 0.5, 1.5, 0.45, 2.0, 1.0, 1.0, 1.0};
}

double gauss(double x, double width) { return std::exp(-(x / width) * (x / width)); }

// Mean temperature, degC: a latitude profile, a seasonal cycle that grows
// with latitude and continentality, and the cold high ice sheets.
double temperature_climate(int r, int c, const Season& s, const Traits& t) {
  const Geometry& g = geometry();
  int k = r * NCOL + c;
  double lat = g.lat[r], lon = g.lon[c], sl = g.sinlat[r];
  double T = 28.0 - 40.0 * sl * sl;
  T -= s.w * sl * std::sqrt(std::abs(sl)) * (5.0 + 17.0 * g.landfrac[k]);
  if (g.land[k] > 0) {
    if (lat < -62.0) T -= 18.0;                                       // Antarctica
    if (lat > 62.0 && lon > -55.0 && lon < -20.0) T -= 12.0;          // Greenland
    if (lat > 27.0 && lat < 38.0 && lon > 77.0 && lon < 103.0) T -= 10.0;  // Tibet
  }
  return T + t.tbias;
}

// Mean precipitation, mm/day: the tropical rain belt that follows the sun,
// the mid-latitude storm tracks, dry subtropical land, the monsoons and dry
// polar regions.
double precip_climate(int r, int c, const Season& s, const Traits& t) {
  const Geometry& g = geometry();
  int k = r * NCOL + c;
  double lat = g.lat[r], L = g.land[k];
  double itcz = 5.0 - 6.0 * s.w + t.itcz_shift;
  double P = 0.8 + 7.5 * gauss(lat - itcz, 8.0) +
             3.0 * gauss(std::abs(lat) - 45.0, 12.0) * (1.0 - 0.3 * L);
  P *= 1.0 - 0.8 * L * gauss(std::abs(lat) - 25.0, 8.0);
  P += 5.0 * L * std::max(0.0, -s.w) * gauss(lat - 20.0, 8.0);
  P += 4.0 * L * std::max(0.0, s.w) * gauss(lat + 15.0, 8.0);
  P *= 0.25 + 0.75 * g.coslat[r];
  if (lat < -70.0 && L > 0) P *= 0.3;
  return P * t.pbias;
}

Field climate(int ivar, const Season& s, const Traits& t) {
  Field f;
  for (int r = 0; r < NROW; ++r)
    for (int c = 0; c < NCOL; ++c)
      f[r * NCOL + c] =
          ivar == TEMP ? temperature_climate(r, c, s, t) : precip_climate(r, c, s, t);
  return f;
}

// Adds the model's own structure to a baseline climate.
void perturb_baseline(Field& f, int ivar, double amp, Rng& rng) {
  Field a = smooth_anomaly(rng);
  for (int k = 0; k < NBOX; ++k) {
    if (ivar == TEMP)
      f[k] = std::max(-90.0, f[k] + amp * a[k]);
    else
      f[k] = std::max(0.02, f[k] * std::exp(0.2 * amp * a[k]));
  }
}

// Normalised temperature change without the model's noise: stronger over
// land than over sea, amplified towards the poles (most in the northern
// winter), damped over the Southern Ocean.
Field temperature_change_shape(const Season& s, const Traits& t) {
  const Geometry& g = geometry();
  Field f;
  for (int r = 0; r < NROW; ++r) {
    double sl = g.sinlat[r];
    double n4 = std::pow(std::max(0.0, sl), 4), s4 = std::pow(std::max(0.0, -sl), 4);
    double polar = 1.0 + t.polar_n * (1.0 + 0.7 * s.w) * n4 + t.polar_s * (1.0 - 0.5 * s.w) * s4;
    double so = t.so_cool * gauss(g.lat[r] + 55.0, 10.0);
    for (int c = 0; c < NCOL; ++c) {
      int k = r * NCOL + c;
      double landf = 1.0 + (t.land_ratio - 1.0) * g.landfrac[k];
      f[k] = landf * polar - so * (1.0 - g.land[k]);
    }
  }
  return f;
}

// Normalised precipitation change, % per degC, without noise: wet regions
// get wetter and dry ones drier, the subtropics dry, high latitudes moisten.
Field precip_change_shape(const Field& base) {
  const Geometry& g = geometry();
  double pg = global_mean(base);
  Field f;
  for (int r = 0; r < NROW; ++r) {
    double sl = g.sinlat[r];
    double lat = std::abs(g.lat[r]);
    for (int c = 0; c < NCOL; ++c) {
      int k = r * NCOL + c;
      double wet = std::clamp(2.0 * std::log(base[k] / pg), -6.0, 6.0);
      f[k] = wet + 4.0 * std::pow(sl, 4) - 4.0 * gauss(lat - 30.0, 8.0) * (1.0 + 0.5 * g.land[k]);
    }
  }
  return f;
}

// Adds a model's own large-scale structure, shared by both definitions of
// its patterns, to a shape.
Field with_model_structure(const Field& shape, double amp, Rng& rng) {
  Field a = smooth_anomaly(rng);
  Field f;
  for (int k = 0; k < NBOX; ++k) f[k] = shape[k] + amp * a[k];
  return f;
}

// A change pattern of one definition: the model's pattern plus a smaller
// structure of the definition's own, brought to the wanted global mean
// (temperature: a factor; precipitation: a shift).
Field change_pattern(const Field& pattern, int ivar, double mean, double noise, Rng& rng) {
  Field a = smooth_anomaly(rng);
  double amp = noise * (ivar == TEMP ? 0.04 : 0.5);
  Field f;
  for (int k = 0; k < NBOX; ++k) f[k] = pattern[k] + amp * (a[k] + 0.5 * rng.normal());
  double gm = global_mean(f);
  for (double& v : f) {
    if (ivar == TEMP)
      v = std::clamp(v * mean / gm, -5.0, 20.0);
    else
      v = std::clamp(v - gm + mean, -60.0, 150.0);
  }
  return f;
}

double sd_period_factor(int months) { return months == 1 ? 1.0 : months == 3 ? 0.65 : 0.4; }

// Interannual S.D. of the period mean: temperature varies most over high
// latitude land in winter, at the sea-ice edge and in the eastern tropical
// Pacific; precipitation varies in proportion to its amount, relatively
// more where it is dry.
Field baseline_sd(int ivar, const Season& s, const Traits& t, const Field& base, Rng& rng) {
  const Geometry& g = geometry();
  Field a = smooth_anomaly(rng);
  double period = sd_period_factor(s.months);
  Field f;
  for (int r = 0; r < NROW; ++r) {
    double sl = g.sinlat[r], lat = g.lat[r];
    double winter = 1.0 + 0.5 * s.w * (sl > 0 ? 1.0 : -1.0);
    for (int c = 0; c < NCOL; ++c) {
      int k = r * NCOL + c;
      double sd;
      if (ivar == TEMP) {
        double enso = gauss(lat, 8.0) * gauss(g.lon[c] + 115.0, 35.0);
        sd = 0.3 + 2.2 * g.landfrac[k] * std::pow(std::abs(sl), 1.5) * winter +
             2.5 * (1.0 - g.land[k]) * std::max(0.0, std::abs(sl) - 0.6) * winter + 0.7 * enso;
      } else {
        sd = (0.3 + 0.3 * std::exp(-base[k])) * base[k];
      }
      f[k] = period * t.sdscale * sd * std::exp(0.15 * a[k]);
    }
  }
  return f;
}

// Normalised change of interannual S.D., % per degC: temperature
// variability falls where sea ice retreats and rises over mid-latitude
// summer land and in the eastern tropical Pacific; precipitation
// variability rises, most where it is wet.
Field sd_change_shape(int ivar, const Season& s, const Field& base) {
  const Geometry& g = geometry();
  double pg = ivar == PRECIP ? global_mean(base) : 1.0;
  Field f;
  for (int r = 0; r < NROW; ++r) {
    double sl = g.sinlat[r], lat = g.lat[r];
    double summer = std::max(0.0, -s.w * (sl > 0 ? 1.0 : -1.0));
    for (int c = 0; c < NCOL; ++c) {
      int k = r * NCOL + c;
      if (ivar == TEMP) {
        double sea = 1.0 - g.land[k];
        f[k] = -1.0 - 8.0 * sea * std::pow(std::max(0.0, sl), 4) * (1.0 + 0.5 * s.w) -
               4.0 * sea * std::pow(std::max(0.0, -sl), 4) +
               (1.5 + 3.0 * summer) * g.landfrac[k] * gauss(std::abs(lat) - 45.0, 15.0) +
               3.0 * gauss(lat, 8.0) * gauss(g.lon[c] + 115.0, 35.0);
      } else {
        f[k] = 2.5 + std::clamp(1.5 * std::log(base[k] / pg), -4.0, 4.0);
      }
    }
  }
  return f;
}

Field sd_change_pattern(const Field& pattern, double factor, double noise, Rng& rng) {
  Field a = smooth_anomaly(rng);
  Field f;
  for (int k = 0; k < NBOX; ++k)
    f[k] = std::clamp(factor * (pattern[k] + noise * 0.7 * (a[k] + 0.7 * rng.normal())), -50.0,
                      100.0);
  return f;
}

void sprinkle_missing(Field& f, double share, Rng& rng) {
  for (double& v : f)
    if (rng.uniform() < share) v = MISSING;
}

}  // namespace

ModelFields model_fields(std::uint64_t seed, int model, int ivar, int iseas) {
  const Season s = season_shape(iseas);
  const Traits t = model_traits(seed, model);
  auto key = [&](Stream st) {
    return Rng(seed, {st, static_cast<std::uint64_t>(model), static_cast<std::uint64_t>(ivar),
                      static_cast<std::uint64_t>(iseas)});
  };
  ModelFields m;

  Rng rbase = key(BASE);
  m.base = climate(ivar, s, t);
  perturb_baseline(m.base, ivar, 1.0, rbase);

  Rng rown = key(CHANGE_OWN);
  Field pattern = with_model_structure(
      ivar == TEMP ? temperature_change_shape(s, t) : precip_change_shape(m.base),
      t.noise * (ivar == TEMP ? 0.15 : 1.5), rown);
  double mean = ivar == TEMP ? 1.0 : t.pscale;
  Rng rc1 = key(CHANGE1), rc2 = key(CHANGE2);
  m.change[0] = change_pattern(pattern, ivar, mean, t.noise, rc1);
  m.change[1] = change_pattern(pattern, ivar, mean * t.def2, t.noise, rc2);

  Rng rsd = key(BASESD);
  m.basesd = baseline_sd(ivar, s, t, m.base, rsd);
  for (double& v : m.basesd)
    if (rsd.uniform() < ZERO_SD_SHARE) v = 0.0;

  Rng rsdown = key(SDCHANGE_OWN);
  Field sdpattern = with_model_structure(sd_change_shape(ivar, s, m.base), t.noise * 2.0, rsdown);
  Rng rs1 = key(SDCHANGE1), rs2 = key(SDCHANGE2);
  m.sdchange[0] = sd_change_pattern(sdpattern, 1.0, t.noise, rs1);
  m.sdchange[1] = sd_change_pattern(sdpattern, t.def2, t.noise, rs2);

  // Missing values last, so they never enter the shapes derived above.
  sprinkle_missing(m.base, MISSING_SHARE, rbase);
  sprinkle_missing(m.basesd, MISSING_SHARE, rsd);
  sprinkle_missing(m.change[0], MISSING_SHARE, rc1);
  sprinkle_missing(m.change[1], MISSING_SHARE, rc2);
  sprinkle_missing(m.sdchange[0], MISSING_SHARE, rs1);
  sprinkle_missing(m.sdchange[1], MISSING_SHARE, rs2);
  for (Field* f : {&m.change[0], &m.change[1], &m.sdchange[0], &m.sdchange[1]})
    (*f)[HOLE_BOX] = MISSING;
  return m;
}

Field observed_baseline(std::uint64_t seed, int ivar, int iseas, bool old_set) {
  const Geometry& g = geometry();
  Rng rng(seed, {old_set ? OBS_OLD : OBS_NEW, static_cast<std::uint64_t>(ivar),
                 static_cast<std::uint64_t>(iseas)});
  Field f = climate(ivar, season_shape(iseas), observed_traits());
  perturb_baseline(f, ivar, 0.3, rng);
  if (old_set) {
    // The older set has no data at the poles: the Antarctic interior for
    // temperature, the two outermost rows of each hemisphere for
    // precipitation, the northernmost row for both.
    for (int r = 0; r < NROW; ++r)
      for (int c = 0; c < NCOL; ++c) {
        int k = r * NCOL + c;
        bool gap = r == 0 || (ivar == TEMP ? g.lat[r] < -72.0 && g.land[k] > 0
                                           : r == 1 || r >= NROW - 2);
        if (gap) f[k] = MISSING;
      }
  }
  sprinkle_missing(f, old_set ? 0.005 : 0.002, rng);
  return f;
}

std::array<Field, 3> aerosol_patterns(std::uint64_t seed, int ivar, int iseas) {
  const Geometry& g = geometry();
  const Season s = season_shape(iseas);
  // Source centres (lat, lon, strength); the rest of the world is North
  // America plus a weaker southern African source.
  struct Source {
    double lat, lon, strength;
  };
  static const Source sources[3][2] = {
      {{50.0, 15.0, 1.0}, {0.0, 0.0, 0.0}},
      {{30.0, 105.0, 1.0}, {0.0, 0.0, 0.0}},
      {{40.0, -90.0, 1.0}, {-15.0, 25.0, 0.6}},
  };
  std::array<Field, 3> out;
  for (int region = 0; region < 3; ++region) {
    Rng rng(seed, {AEROSOL, static_cast<std::uint64_t>(region), static_cast<std::uint64_t>(ivar),
                   static_cast<std::uint64_t>(iseas)});
    Field a = smooth_anomaly(rng);
    Field& f = out[region];
    for (int r = 0; r < NROW; ++r)
      for (int c = 0; c < NCOL; ++c) {
        int k = r * NCOL + c;
        double near = 0;
        for (const Source& src : sources[region]) {
          if (src.strength == 0) continue;
          // Angular distance between the box centre and the source, degrees.
          double cosd = g.sinlat[r] * std::sin(src.lat * DEG) +
                        g.coslat[r] * std::cos(src.lat * DEG) * std::cos((g.lon[c] - src.lon) * DEG);
          double d = std::acos(std::clamp(cosd, -1.0, 1.0)) / DEG;
          // Sunlight makes the response strongest in the source's summer.
          double summer = 1.0 - 0.3 * s.w * (src.lat > 0 ? 1.0 : -1.0);
          near += src.strength * summer * gauss(d, 25.0);
        }
        double L = g.land[k];
        if (ivar == TEMP)
          f[k] = 0.3 + 0.7 * std::max(0.0, g.sinlat[r]) + 4.0 * near * (1.0 + 0.3 * L) + 0.1 * a[k];
        else
          f[k] = 1.5 + 6.0 * near * (1.0 + 0.5 * L) + 0.3 * a[k];
      }
    if (ivar == TEMP) {
      double gm = global_mean(f);
      for (double& v : f) v /= gm;
    }
  }
  return out;
}

}  // namespace synth
