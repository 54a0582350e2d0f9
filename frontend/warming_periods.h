// Warming over the periods that the IPCC AR6 WGI tables use, so that a run's
// numbers can be laid beside them: the mean of 2081-2100 against the mean of
// 1850-1900 (pre-industrial) and of 1995-2014 (recent past), from the annual
// global-mean temperature changes that orvtar writes to temps.dis.
#pragma once

#include <optional>
#include <string>

#include "results/global_results.h"

namespace fe {

struct YearSpan {
  int first;
  int last;
};

inline constexpr YearSpan kLateCentury{2081, 2100};
inline constexpr YearSpan kPreindustrial{1850, 1900};
inline constexpr YearSpan kRecentPast{1995, 2014};

// The mean of `temperature` (a global-mean temperature series of
// temps.dis, read by results/global_results.h) over `target` minus its mean
// over `base` (degC); nothing when a year of either span has no value (a
// run that ends earlier, a display step IDISSTEP that leaves years out, a
// field of asterisks).
std::optional<double> period_warming(const res::Series& temperature, YearSpan base, YearSpan target);

// "2081-2100 vs 1850-1900"
std::string period_label(YearSpan base, YearSpan target);

// Why the summary's period rows show n/a, or "" when they can show numbers:
// the run ends before the last period year, or the display step IDISSTEP
// leaves years out of temps.dis (and the summary's other rows may miss
// their year too).
std::string period_gap_note(int IYEND, int IDISSTEP);

}  // namespace fe
