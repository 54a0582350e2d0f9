#include "orvtar/control/result_check.h"

#include <cmath>
#include <string>

#include "orvtar/control/config_items.h"
#include "orvtar/control/input_errors.h"
#include "orvtar/control/printed_fields.h"
#include "orvtar/control/series_drivers.h"
#include "records/field_text.h"
#include "records/record_io.h"

namespace orv {
namespace {

std::string_view so2_case_text(So2Case c) {
  switch (c) {
    case So2Case::Full: return "full SO2";
    case So2Case::ConstantAfter1990: return "SO2 constant after 1990";
    case So2Case::Region1: return "SO2 of region 1 alone";
    case So2Case::Region2: return "SO2 of region 2 alone";
    case So2Case::Region3: return "SO2 of region 3 alone";
  }
  return "";
}

// The year a field counts its changes from; 0 for absolute values.
int baseline_year(Baseline baseline, const OrvState& run) {
  switch (baseline) {
    case Baseline::None: return 0;
    case Baseline::ReferenceYear: return run.IREFYR;
    case Baseline::Year1990: return 1990;
  }
  return 0;
}

// The value as printed: a change from the field's baseline year.
double printed_value(const AnnualSeries& a, int year, Baseline baseline, const OrvState& run) {
  const int base = baseline_year(baseline, run);
  const double v = a.at(year);
  return base != 0 && a.has(base) ? v - a.at(base) : v;
}

std::string series_text(const OutputInfo& out) {
  return "the " + std::string(out.description) + " (" + std::string(out.key) + ", " + std::string(out.unit) + ")";
}

std::string non_finite_text(float v, int year) {
  return std::string(std::isnan(v) ? "is not a number" : "is infinite") + " in " + std::to_string(year);
}

// The first value of series `o` too wide for a field it is printed in, or
// an empty text.
std::string first_too_wide(const SimulationResult& r, Output o, const OrvState& run, int& bad_year) {
  const AnnualSeries& a = r[o];
  const std::vector<PrintedField> fields = printed_fields(o, run);
  for (int year = a.first_year; year <= a.last_year(); ++year) {
    for (const PrintedField& f : fields) {
      if (!f.prints(year)) continue;
      const double shown = printed_value(a, year, f.baseline, run);
      if (rec::fits_real(shown, f.width, f.decimals)) continue;
      bad_year = year;
      std::string where = std::string(f.file);
      if (!f.column.empty()) where += " column " + std::string(f.column);
      std::string text = "would be printed as " + value_text(shown) + " in " + std::to_string(year) +
                         ", which does not fit its field F" + std::to_string(f.width) + "." +
                         std::to_string(f.decimals) + " in " + where;
      const int base = baseline_year(f.baseline, run);
      if (base != 0 && a.has(base))
        text +=
            " (a change from " + std::to_string(base) + ", when the series stood at " + value_text(a.at(base)) + ")";
      return text;
    }
  }
  return {};
}

std::string drivers_text(const SimulationResult& r, Output o, const OrvState& run, int year) {
  const SeriesDrivers d = series_drivers(o);
  std::string text = "it follows from " + std::string(d.inputs);
  if (d.related && r[*d.related].has(year)) {
    const OutputInfo& rel = info(*d.related);
    text += " (" + std::string(rel.key) + " in " + std::to_string(year) + ": " + value_text(r[*d.related].at(year)) +
            " " + std::string(rel.unit) + ")";
  }
  if (!d.items.empty()) {
    text += " and the settings DT2X = " + value_text(r.climate_sensitivity);
    for (std::string_view name : d.items)
      if (const ConfigItem* item = find_config_item(name))
        text += ", " + std::string(name) + " = " + value_text(value_of(run, *item));
  }
  return text;
}

}  // namespace

std::optional<BadValue> earliest_non_finite(const SimulationResult& r) {
  std::optional<BadValue> first;
  for (const OutputInfo& out : output_table()) {
    const AnnualSeries& a = r[out.output];
    for (std::size_t i = 0; i < a.values.size(); ++i) {
      if (std::isfinite(a.values[i])) continue;
      const BadValue bad{out.output, a.first_year + static_cast<int>(i), a.values[i]};
      const auto stage = [](Output o) { return series_drivers(o).stage; };
      if (!first || bad.year < first->year || (bad.year == first->year && stage(bad.output) < stage(first->output)))
        first = bad;
      break;
    }
  }
  return first;
}

std::optional<std::string> first_non_finite(const SimulationResult& r) {
  const std::optional<BadValue> bad = earliest_non_finite(r);
  if (!bad) return std::nullopt;
  return series_text(info(bad->output)) + " " + non_finite_text(bad->value, bad->year);
}

void check_result(const SimulationResult& r, int NSIM, const OrvState& run) {
  // The earliest problem of either kind; within a year, the series nearest
  // the cause.
  struct Problem {
    Output output;
    int year;
    std::string text;
  };
  std::optional<Problem> first;
  const auto keep = [&](Problem p) {
    const auto stage = [](Output o) { return series_drivers(o).stage; };
    if (!first || p.year < first->year || (p.year == first->year && stage(p.output) < stage(first->output)))
      first = std::move(p);
  };
  if (const std::optional<BadValue> bad = earliest_non_finite(r))
    keep({bad->output, bad->year, series_text(info(bad->output)) + " " + non_finite_text(bad->value, bad->year)});
  for (const OutputInfo& out : output_table()) {
    int year = 0;
    std::string problem = first_too_wide(r, out.output, run, year);
    if (!problem.empty()) keep({out.output, year, series_text(out) + " " + problem});
  }
  if (!first) return;
  throw rec::Error("simulation " + std::to_string(NSIM) + " (" + std::string(parameter_set_name(r.parameter_set)) +
                   " parameters, " + std::string(so2_case_text(r.so2_case)) + "): " + first->text + "; " +
                   drivers_text(r, first->output, run, first->year) +
                   "; nothing but the report ORV.OUT up to this simulation was written");
}

}  // namespace orv
