// Yearly seasonal means on the 5-degree grid, built month by month: the
// twelve months, DJF (December of the previous year with January and
// February), MAM, JJA, SON and the annual mean, in the engines' season
// order (1 … 17), each the plain mean of its monthly means; a box is
// missing in a season when any of its months is. Only the finished yearly
// values are kept, never the monthly series.
#pragma once

#include <array>
#include <vector>

#include "importer/regrid.h"

namespace imp {

class SeasonalMeans {
 public:
  // Years first … last are kept; months must arrive in order from December
  // of first - 1 to December of last.
  SeasonalMeans(int first_year, int last_year);

  void add(long long month, const BoxField& f, double global_mean);

  int first_year() const { return first_; }
  int last_year() const { return last_; }
  // The yearly mean of season s (1 … 17) at box k; NaN when missing.
  double at(int year, int season, int box) const {
    return values_[(static_cast<std::size_t>(year - first_) * 17 + season - 1) * eng::NGRID + box];
  }
  // The annual mean of the source field's global means (the model's
  // global-mean temperature when the variable is tas).
  double global_annual(int year) const { return global_[year - first_]; }

 private:
  int first_, last_;
  std::vector<float> values_;  // single precision: ample for hundredths, half the memory
  std::vector<double> global_;
  std::array<BoxField, 13> month_{};  // 0: December of the previous year; 1 … 12 this year
  std::array<double, 13> month_global_{};
  long long expected_;                // the month that must come next
};

}  // namespace imp
