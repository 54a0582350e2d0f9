// One CMIP-style netCDF file of monthly means of one variable: what it holds
// (grid, calendar, the month of every time step) checked when it is opened,
// and the values of a time step in the engines' units with NaN where the
// file has no value.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "importer/cf_calendar.h"
#include "importer/units.h"
#include "netcdf/netcdf_file.h"

namespace imp {

// A regular latitude/longitude (or Gaussian) grid: 1-D centres in the
// file's order and the cell edges (size n + 1), from the bounds variables
// when the file has them, else halfway between centres.
struct SourceGrid {
  std::vector<double> lat, lon;            // degrees N, degrees E
  std::vector<double> lat_edges, lon_edges;
  bool operator==(const SourceGrid&) const = default;
  std::string describe() const;            // "96 x 192 (lat x lon)"
};

// The grid of variable `v` whose last two dimensions are latitude and
// longitude with 1-D coordinate variables; fails naming the file and
// variable when they are not (curvilinear grids, wrong units, ranges).
SourceGrid grid_of(const nc::File& f, const nc::Var& v);

class SourceFile {
 public:
  // Opens `path` and checks that `variable` is there with dimensions
  // (time, lat, lon), monthly time steps one month apart in a CF calendar,
  // and units convertible to those of `quantity`. Fails with rec::Error
  // naming the file, the variable or attribute and what was expected.
  SourceFile(const std::string& path, const std::string& variable, Quantity quantity);
  SourceFile(const SourceFile&) = delete;  // the variable refers to the open file
  SourceFile& operator=(const SourceFile&) = delete;

  const std::string& path() const { return path_; }
  const std::string& variable() const { return variable_; }
  const SourceGrid& grid() const { return grid_; }
  Calendar calendar() const { return calendar_; }
  // Experiment and variant (global attributes experiment_id and
  // variant_label, else the CMIP file name's fields; "unknown" without).
  const std::string& experiment() const { return experiment_; }
  const std::string& variant() const { return variant_; }
  std::size_t steps() const { return months_.size(); }
  long long month(std::size_t step) const { return months_[step]; }  // month_index
  long long first_month() const { return months_.front(); }
  long long last_month() const { return months_.back(); }
  // Bytes of one time step as stored (for throughput figures).
  std::size_t step_bytes() const;

  // The values of time step `step`, lat-major in the file's order, in degC
  // or mm/day; NaN where the value is the fill or missing value (or NaN).
  // The file is opened for it when it is not open.
  void read_step(std::size_t step, std::vector<double>& out);
  // Closes the file (and frees the library's buffers for it); a model's
  // files are checked all at once but read one at a time.
  void close();

 private:
  std::string path_;
  std::string variable_;
  std::optional<nc::File> file_;  // open while it is being read
  std::optional<nc::Var> var_;
  SourceGrid grid_;
  std::string experiment_, variant_;
  Calendar calendar_ = Calendar::Standard;
  std::vector<long long> months_;
  std::vector<double> missing_;  // raw values that mean "no value"
  double scale_ = 1.0, offset_ = 0.0;  // packing
  Conversion units_;
  std::size_t type_bytes_ = 4;
};

// "YYYY-MM" of a month_index.
std::string month_text(long long month);

}  // namespace imp
