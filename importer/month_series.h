// The monthly series of one variable of one model: its files (a historical
// and a scenario experiment, each possibly split by time) checked against
// each other and read month by month, one file open at a time.
#pragma once

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "importer/source_file.h"

namespace imp {

class MonthSeries {
 public:
  // Opens every file; fails naming the file when a grid or calendar differs
  // from the first file's, or when two files hold the same month. `what`
  // names the series in messages ("[gc01] MODEL-A tas").
  MonthSeries(const std::vector<std::string>& paths, const std::string& variable, Quantity q,
              const std::string& what);

  // Fails unless every month first … last is in the files, naming the
  // missing months.
  void check_covers(long long first, long long last) const;

  long long first_month() const { return first_; }  // of the earliest file
  long long last_month() const { return last_; }    // of the latest file
  const SourceGrid& grid() const { return grid_; }
  Calendar calendar() const { return calendar_; }
  const std::vector<std::string>& paths() const { return paths_; }
  // Experiment and variant labels of the files (global attributes
  // experiment_id and variant_label, else the CMIP file name's fields).
  const std::set<std::string>& experiments() const { return experiments_; }
  const std::set<std::string>& variants() const { return variants_; }

  // Calls `month_values(month, values)` for every month first … last in
  // order (values as SourceFile::read_step gives them), opening one file at
  // a time.
  void read(long long first, long long last,
            const std::function<void(long long, const std::vector<double>&)>& month_values);
  // Bytes of netCDF data read so far.
  double bytes_read() const { return bytes_read_; }

 private:
  std::string what_;
  SourceGrid grid_;
  Calendar calendar_ = Calendar::Standard;
  long long first_ = 0, last_ = 0;
  std::vector<std::unique_ptr<SourceFile>> files_;  // in time order
  std::vector<std::string> paths_;                  // in time order
  std::set<std::string> experiments_, variants_;
  double bytes_read_ = 0.0;
};

}  // namespace imp
