#include "importer/seasonal_means.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "importer/cf_calendar.h"

namespace imp {

namespace {

// The months of the seasons 13 … 17 (DJF uses slot 0, last December).
constexpr std::array<std::array<int, 12>, 5> SEASON_MONTHS = {{
    {0, 1, 2},
    {3, 4, 5},
    {6, 7, 8},
    {9, 10, 11},
    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
}};
constexpr std::array<int, 5> SEASON_LENGTH = {3, 3, 3, 3, 12};

}  // namespace

SeasonalMeans::SeasonalMeans(int first_year, int last_year)
    : first_(first_year),
      last_(last_year),
      values_(static_cast<std::size_t>(last_year - first_year + 1) * 17 * eng::NGRID,
              std::numeric_limits<float>::quiet_NaN()),
      global_(static_cast<std::size_t>(last_year - first_year + 1), std::numeric_limits<double>::quiet_NaN()),
      expected_(month_index(first_year - 1, 12)) {}

void SeasonalMeans::add(long long month, const BoxField& f, double global_mean) {
  if (month != expected_) throw std::logic_error("SeasonalMeans: months out of order");
  ++expected_;
  const int year = static_cast<int>(month / 12), mon = static_cast<int>(month % 12) + 1;
  if (year < first_) {  // December before the first year: the first DJF's
    month_[0] = f;
    month_global_[0] = global_mean;
    return;
  }
  month_[mon] = f;
  month_global_[mon] = global_mean;
  if (mon != 12) return;

  const std::size_t y = static_cast<std::size_t>(year - first_);
  float* out = &values_[y * 17 * eng::NGRID];
  for (int m = 1; m <= 12; ++m)
    std::copy(month_[m].begin(), month_[m].end(), out + (m - 1) * eng::NGRID);
  for (int s = 0; s < 5; ++s) {
    float* season = out + (12 + s) * eng::NGRID;
    for (int k = 0; k < eng::NGRID; ++k) {
      double sum = 0.0;
      for (int n = 0; n < SEASON_LENGTH[s]; ++n) sum += month_[SEASON_MONTHS[s][n]][k];
      season[k] = static_cast<float>(sum / SEASON_LENGTH[s]);  // NaN when any month is missing
    }
  }
  double g = 0.0;
  for (int m = 1; m <= 12; ++m) g += month_global_[m];
  global_[y] = g / 12.0;
  month_[0] = month_[12];
}

}  // namespace imp
