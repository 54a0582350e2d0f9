#include "frontend/warming_periods.h"

namespace fe {

namespace {

std::optional<double> span_mean(const res::Series& s, YearSpan span) {
  double sum = 0;
  for (int y = span.first; y <= span.last; ++y) {
    const std::optional<double> v = s.at(y);
    if (!v) return std::nullopt;
    sum += *v;
  }
  return sum / (span.last - span.first + 1);
}

}  // namespace

std::optional<double> period_warming(const res::Series& temperature, YearSpan base, YearSpan target) {
  auto b = span_mean(temperature, base);
  auto t = span_mean(temperature, target);
  if (!b || !t) return std::nullopt;
  return *t - *b;
}

std::string period_label(YearSpan base, YearSpan target) {
  return std::to_string(target.first) + "-" + std::to_string(target.last) + " vs " + std::to_string(base.first) +
         "-" + std::to_string(base.last);
}

std::string period_gap_note(int IYEND, int IDISSTEP) {
  if (IYEND < kLateCentury.last)
    return "The run ends in " + std::to_string(IYEND) + ": the warming of " + std::to_string(kLateCentury.first) +
           "-" + std::to_string(kLateCentury.last) + " needs IYEND " + std::to_string(kLateCentury.last) +
           " or later.";
  if (IDISSTEP != 1)
    return "IDISSTEP = " + std::to_string(IDISSTEP) + " leaves years out of temps.dis and sealev.dis (a row every " +
           std::to_string(IDISSTEP) + " years from 1765): the years and periods it misses are n/a; IDISSTEP = 1 " +
           "gives every year.";
  return "";
}

}  // namespace fe
