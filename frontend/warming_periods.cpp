#include "frontend/warming_periods.h"

#include <filesystem>
#include <string_view>

#include "records/record_io.h"

namespace fe {

std::vector<TempsRow> read_temps_dis(const std::string& path) {
  std::vector<TempsRow> rows;
  if (!std::filesystem::is_regular_file(path)) return rows;
  rec::Unit in(path, rec::Status::Old);
  std::string header;
  if (!in.read_unless_eof("(A)", {header})) return rows;
  for (std::string record; in.read_unless_eof("(A)", {record}); record.clear()) {
    if (record == header) break;
    const std::string_view text[] = {record};
    TempsRow row;
    double TEMUSER = 0, TEMLO = 0, TEMMID = 0, TEMHI = 0;
    try {
      rec::parse_records(text, "(1X,I4,4F9.3)", std::vector<rec::In>{row.year, TEMUSER, TEMLO, TEMMID, TEMHI},
                         path, in.records());
      row.change = {TEMLO, TEMMID, TEMHI, TEMUSER};
    } catch (const rec::Error&) {
      // A field too narrow for its value is filled with asterisks: the
      // row's changes stay NaN, so no period mean uses them.
      try {
        rec::parse_records(text, "(1X,I4)", std::vector<rec::In>{row.year}, path, in.records());
      } catch (const rec::Error&) {
        continue;
      }
    }
    rows.push_back(row);
  }
  return rows;
}

namespace {

std::optional<double> span_mean(const std::vector<TempsRow>& rows, YearSpan span, ParameterSet p) {
  double sum = 0;
  int next = span.first;
  for (const TempsRow& r : rows) {
    if (r.year < next || r.year > span.last) continue;
    if (r.year != next || !std::isfinite(r.of(p))) return std::nullopt;
    sum += r.of(p);
    ++next;
  }
  if (next != span.last + 1) return std::nullopt;
  return sum / (span.last - span.first + 1);
}

}  // namespace

std::optional<double> period_warming(const std::vector<TempsRow>& rows, YearSpan base, YearSpan target,
                                     ParameterSet p) {
  auto b = span_mean(rows, base, p);
  auto t = span_mean(rows, target, p);
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
