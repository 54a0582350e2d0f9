#include "frontend/ensemble_summary.h"

#include <cstdio>
#include <ostream>
#include <string>

namespace fe {

namespace {

using ens::Headline;

// "2.61 [1.85-3.70]": the median and the 5-95 % range.
std::string range(const std::array<double, ens::PERCENTILE_COUNT>& p, const char* format) {
  char buf[64];
  const std::string f = std::string(format) + " [" + format + " to " + format + "]";
  std::snprintf(buf, sizeof buf, f.c_str(), p[2], p[0], p[4]);
  return buf;
}

std::string row(const char* label, const std::string& unconstrained, const std::string& constrained, bool both) {
  char buf[160];
  std::snprintf(buf, sizeof buf, "    %-38s %-26s%s\n", label, unconstrained.c_str(), both ? constrained.c_str() : "");
  return buf;
}

std::string probabilities(const std::array<double, ens::THRESHOLD_COUNT>& p) {
  std::string s;
  for (std::size_t t = 0; t < ens::THRESHOLD_COUNT; ++t) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%s%.0f %%", t ? " / " : "", 100 * p[t]);
    s += buf;
  }
  return s;
}

}  // namespace

void print_ensemble_summary(const ens::EnsembleSpec& spec, std::span<const ens::ScenarioStatistics> scenarios,
                            std::ostream& out) {
  const bool both = spec.constrained;
  out << "\nEnsemble of " << spec.members << " members (Latin hypercube, seed " << spec.seed
      << "), USER parameter set with full SO2; median [5 to 95 %]:\n";
  if (both) {
    char buf[200];
    std::snprintf(buf, sizeof buf,
                  "constrained by the warming from 1850-1900 to 2011-2020, observed %.2f degC (likely %.2f to "
                  "%.2f)\n",
                  spec.observation.value, spec.observation.likely_low, spec.observation.likely_high);
    out << buf;
  }
  out << row("", "unconstrained", "constrained", both);
  for (const ens::ScenarioStatistics& s : scenarios) {
    const auto& h = s.headline;
    const auto& recent = h[static_cast<std::size_t>(Headline::WarmingRecent)];
    const auto& late = h[static_cast<std::size_t>(Headline::WarmingLate)];
    const auto& sea = h[static_cast<std::size_t>(Headline::SeaLevel2100)];
    out << "  " << s.label << "\n"
        << row("warming 2011-2020 vs 1850-1900 (degC)", range(recent.unconstrained, "%.2f"),
               range(recent.constrained, "%.2f"), both)
        << row("warming 2081-2100 vs 1850-1900 (degC)", range(late.unconstrained, "%.2f"),
               range(late.constrained, "%.2f"), both)
        << row("P(warming 2100 > 1.5 / 2 / 3 degC)", probabilities(s.above_unconstrained),
               probabilities(s.above_constrained), both)
        << row("sea level 2100 vs 1995-2014 (cm)", range(sea.unconstrained, "%.1f"), range(sea.constrained, "%.1f"),
               both);
    if (both) {
      char buf[160];
      const double share = s.effective_size / static_cast<double>(spec.members);
      std::snprintf(buf, sizeof buf, "    effective sample size %.0f of %zu (%.0f %%)\n", s.effective_size,
                    spec.members, 100 * share);
      out << buf;
      if (share < LOW_EFFECTIVE_SHARE)
        out << "    WARNING: the constraint leaves an effective sample size below "
            << static_cast<int>(100 * LOW_EFFECTIVE_SHARE)
            << " % of the members: the constrained numbers rest on few members; use more members or "
               "distributions closer to the observation\n";
    }
  }
}

}  // namespace fe
