#include "importer/month_series.h"

#include <algorithm>

#include "records/record_io.h"

namespace imp {

MonthSeries::MonthSeries(const std::vector<std::string>& paths, const std::string& variable, Quantity q,
                         const std::string& what)
    : what_(what) {
  if (paths.empty())
    throw rec::Error(what + ": no files named " + variable + "_*.nc; expected monthly " + variable + " output");
  for (const std::string& p : paths) {
    auto f = std::make_unique<SourceFile>(p, variable, q);
    if (!files_.empty() && !(f->grid() == files_.front()->grid()))
      throw rec::Error(p + ", variable " + variable + ": grid " + f->grid().describe() +
                       " differs from that of " + files_.front()->path() + " (" +
                       files_.front()->grid().describe() + "); expected one grid for every file of a model");
    if (!files_.empty() && f->calendar() != files_.front()->calendar())
      throw rec::Error(p + ", variable time: calendar " + std::string(calendar_name(f->calendar())) +
                       " differs from that of " + files_.front()->path() + " (" +
                       std::string(calendar_name(files_.front()->calendar())) +
                       "); expected one calendar for every file of a model");
    files_.push_back(std::move(f));
  }
  std::sort(files_.begin(), files_.end(), [](const auto& a, const auto& b) { return a->first_month() < b->first_month(); });
  for (std::size_t k = 1; k < files_.size(); ++k)
    if (files_[k]->first_month() <= files_[k - 1]->last_month())
      throw rec::Error(files_[k]->path() + ": months " + month_text(files_[k]->first_month()) + " to " +
                       month_text(std::min(files_[k]->last_month(), files_[k - 1]->last_month())) +
                       " are also in " + files_[k - 1]->path() + "; expected every month in one file only");
  grid_ = files_.front()->grid();
  calendar_ = files_.front()->calendar();
  first_ = files_.front()->first_month();
  last_ = files_.back()->last_month();
  for (const auto& f : files_) {
    paths_.push_back(f->path());
    experiments_.insert(f->experiment());
    variants_.insert(f->variant());
  }
}

void MonthSeries::check_covers(long long first, long long last) const {
  const std::string range = "; expected every month from " + month_text(first) + " to " + month_text(last);
  if (files_.front()->first_month() > first || files_.back()->last_month() < last)
    throw rec::Error(what_ + ": the files cover " + month_text(files_.front()->first_month()) + " to " +
                     month_text(files_.back()->last_month()) + range);
  for (std::size_t k = 1; k < files_.size(); ++k) {
    const long long gap_first = files_[k - 1]->last_month() + 1, gap_last = files_[k]->first_month() - 1;
    if (gap_first <= gap_last && gap_last >= first && gap_first <= last)
      throw rec::Error(what_ + ": months " + month_text(gap_first) + " to " + month_text(gap_last) +
                       " are in no file (between " + files_[k - 1]->path() + " and " + files_[k]->path() + ")" +
                       range);
  }
}

void MonthSeries::read(long long first, long long last,
                       const std::function<void(long long, const std::vector<double>&)>& month_values) {
  std::vector<double> values;
  for (std::unique_ptr<SourceFile>& f : files_) {
    for (std::size_t t = 0; t < f->steps(); ++t) {
      const long long m = f->month(t);
      if (m < first || m > last) continue;
      f->read_step(t, values);
      bytes_read_ += static_cast<double>(f->step_bytes());
      month_values(m, values);
    }
    f->close();  // its buffers and caches go
  }
}

}  // namespace imp
