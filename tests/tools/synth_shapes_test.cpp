// The physical shapes that make the synthetic fields worth testing with:
// polar amplification and land/sea contrast of warming, wet-get-wetter
// precipitation change, the latitude profiles of the baselines, and the
// share of missing values and zero S.D.s.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "tools/synth_climate.h"

namespace {

using synth::Field;
using synth::NBOX;
using synth::NCOL;

constexpr std::uint64_t SEED = 1;
constexpr int JAN = 1, JUL = 7, DJF = 13, JJA = 15, ANN = 17;

// Cosine-weighted mean of the valid values of the boxes `pick` accepts.
double area_mean(const Field& f, const std::function<bool(int, int)>& pick) {
  const synth::Geometry& g = synth::geometry();
  double sw = 0, swf = 0;
  for (int r = 0; r < synth::NROW; ++r)
    for (int c = 0; c < NCOL; ++c) {
      double v = f[r * NCOL + c];
      if (!synth::valid(v) || !pick(r, c)) continue;
      sw += g.coslat[r];
      swf += g.coslat[r] * v;
    }
  return swf / sw;
}

double lat(int r) { return synth::geometry().lat[r]; }
bool land(int r, int c) { return synth::geometry().land[r * NCOL + c] > 0; }

TEST(SynthShapes, WarmingIsAmplifiedAtThePolesAndOverLand) {
  for (int m = 1; m <= 17; ++m) {
    Field winter = synth::model_fields(SEED, m, synth::TEMP, DJF).change[0];
    Field summer = synth::model_fields(SEED, m, synth::TEMP, JJA).change[0];
    for (int d = 0; d < 2; ++d) {
      Field annual = synth::model_fields(SEED, m, synth::TEMP, ANN).change[d];
      // Normalised: about one degree per degree of global warming.
      EXPECT_NEAR(area_mean(annual, [](int, int) { return true; }), 1.0, 0.1) << m;
      double arctic = area_mean(annual, [](int r, int) { return lat(r) > 70; });
      double tropics = area_mean(annual, [](int r, int) { return std::abs(lat(r)) < 20; });
      EXPECT_GT(arctic, 1.3 * tropics) << "model " << m;
      double over_land = area_mean(annual, [](int r, int c) { return land(r, c); });
      double over_sea = area_mean(annual, [](int r, int c) { return !land(r, c); });
      EXPECT_GT(over_land, 1.2 * over_sea) << "model " << m;
    }
    // Arctic amplification is strongest in the northern winter.
    auto arctic = [](int r, int) { return lat(r) > 70; };
    EXPECT_GT(area_mean(winter, arctic), area_mean(summer, arctic)) << m;
  }
}

TEST(SynthShapes, WetRegionsGetWetterAndDryOnesDrier) {
  for (int m = 1; m <= 17; ++m) {
    synth::ModelFields f = synth::model_fields(SEED, m, synth::PRECIP, ANN);
    // Within 40 degrees of the equator: the wettest quarter of the boxes
    // against the driest quarter.
    std::vector<std::pair<double, double>> band;  // (baseline, change)
    for (int r = 0; r < synth::NROW; ++r)
      for (int c = 0; c < NCOL; ++c) {
        int k = r * NCOL + c;
        if (std::abs(lat(r)) < 40 && synth::valid(f.base[k]) && synth::valid(f.change[0][k]))
          band.push_back({f.base[k], f.change[0][k]});
      }
    std::sort(band.begin(), band.end());
    std::size_t q = band.size() / 4;
    double dry = 0, wet = 0;
    for (std::size_t i = 0; i < q; ++i) {
      dry += band[i].second / q;
      wet += band[band.size() - 1 - i].second / q;
    }
    EXPECT_GT(wet, dry + 2.0) << "model " << m;
    EXPECT_LT(dry, 0.5) << "model " << m;
    // Global mean change: a few per cent per degree.
    double gm = area_mean(f.change[0], [](int, int) { return true; });
    EXPECT_GT(gm, 1.0);
    EXPECT_LT(gm, 3.0);
  }
}

TEST(SynthShapes, BaselinesFollowLatitudeAndSeason) {
  Field obs_ann = synth::observed_baseline(SEED, synth::TEMP, ANN, false);
  double tropics = area_mean(obs_ann, [](int r, int) { return std::abs(lat(r)) < 20; });
  double arctic = area_mean(obs_ann, [](int r, int) { return lat(r) > 70; });
  double antarctic = area_mean(obs_ann, [](int r, int) { return lat(r) < -70; });
  EXPECT_GT(tropics, 24.0);
  EXPECT_LT(arctic, -5.0);
  EXPECT_LT(antarctic, arctic);  // the high ice sheet
  double global = area_mean(obs_ann, [](int, int) { return true; });
  EXPECT_GT(global, 10.0);
  EXPECT_LT(global, 17.0);
  // Northern continents are cold in January and warm in July.
  auto north_land = [](int r, int c) { return lat(r) > 45 && lat(r) < 70 && land(r, c); };
  Field jan = synth::observed_baseline(SEED, synth::TEMP, JAN, false);
  Field jul = synth::observed_baseline(SEED, synth::TEMP, JUL, false);
  EXPECT_GT(area_mean(jul, north_land) - area_mean(jan, north_land), 25.0);

  // Precipitation: the tropical rain belt is wetter than the subtropics and
  // the polar caps; every value is positive.
  Field p = synth::observed_baseline(SEED, synth::PRECIP, ANN, false);
  double belt = area_mean(p, [](int r, int) { return std::abs(lat(r)) < 10; });
  double subtropics = area_mean(p, [](int r, int) { return std::abs(lat(r) - 25) < 5 || std::abs(lat(r) + 25) < 5; });
  double poles = area_mean(p, [](int r, int) { return std::abs(lat(r)) > 75; });
  EXPECT_GT(belt, 1.5 * subtropics);
  EXPECT_GT(subtropics, poles);
  for (double v : p)
    if (synth::valid(v)) { ASSERT_GT(v, 0.0); }
}

TEST(SynthShapes, InterannualSDIsLargerForMonthsAndOverNorthernLand) {
  for (int ivar : {synth::TEMP, synth::PRECIP}) {
    Field month = synth::model_fields(SEED, 4, ivar, JAN).basesd;
    Field year = synth::model_fields(SEED, 4, ivar, ANN).basesd;
    auto all = [](int, int) { return true; };
    EXPECT_GT(area_mean(month, all), 1.5 * area_mean(year, all)) << ivar;
    for (double v : year)
      if (synth::valid(v)) { ASSERT_GE(v, 0.0); }
  }
  Field t = synth::model_fields(SEED, 4, synth::TEMP, JAN).basesd;
  auto north_land = [](int r, int c) { return lat(r) > 45 && land(r, c); };
  auto tropical_sea = [](int r, int c) { return std::abs(lat(r)) < 20 && !land(r, c); };
  EXPECT_GT(area_mean(t, north_land), 3.0 * area_mean(t, tropical_sea));
}

TEST(SynthShapes, MissingValuesAndZeroSDsAreASprinkle) {
  long missing = 0, zeros = 0, values = 0;
  for (int m = 1; m <= 17; ++m) {
    synth::ModelFields f = synth::model_fields(SEED, m, synth::TEMP, ANN);
    for (const Field* x : {&f.change[0], &f.change[1], &f.base, &f.basesd, &f.sdchange[0],
                           &f.sdchange[1]}) {
      values += NBOX;
      missing += std::count_if(x->begin(), x->end(), [](double v) { return !synth::valid(v); });
    }
    zeros += std::count(f.basesd.begin(), f.basesd.end(), 0.0);
    // The box missing in every model's change fields.
    EXPECT_FALSE(synth::valid(f.change[0][synth::HOLE_BOX]));
    EXPECT_FALSE(synth::valid(f.sdchange[1][synth::HOLE_BOX]));
  }
  EXPECT_GT(missing, values / 1000);
  EXPECT_LT(missing, values / 100);
  EXPECT_GT(zeros, 17 * NBOX / 1000);
  EXPECT_LT(zeros, 17 * NBOX / 100);
}

TEST(SynthShapes, ModelsDifferButDefinitionsOfOneModelAgree) {
  Field a1 = synth::model_fields(SEED, 1, synth::TEMP, ANN).change[0];
  Field a2 = synth::model_fields(SEED, 1, synth::TEMP, ANN).change[1];
  Field b1 = synth::model_fields(SEED, 2, synth::TEMP, ANN).change[0];
  double d12 = 0, dab = 0;
  int n = 0;
  for (int k = 0; k < NBOX; ++k)
    if (synth::valid(a1[k]) && synth::valid(a2[k]) && synth::valid(b1[k])) {
      d12 += std::abs(a1[k] - a2[k]);
      dab += std::abs(a1[k] - b1[k]);
      ++n;
    }
  EXPECT_GT(dab / n, 0.05);      // the models are distinct
  EXPECT_GT(dab, 1.5 * d12);     // the two definitions of a model are closer
  EXPECT_GT(d12 / n, 0.005);     // but not identical
}

}  // namespace
