// Warming over the periods that the IPCC AR6 WGI tables use, so that a run's
// numbers can be laid beside them: the mean of 2081-2100 against the mean of
// 1850-1900 (pre-industrial) and of 1995-2014 (recent past), from the annual
// global-mean temperature changes that orvtar writes to temps.dis.
#pragma once

#include <array>
#include <cmath>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace fe {

struct YearSpan {
  int first;
  int last;
};

inline constexpr YearSpan kLateCentury{2081, 2100};
inline constexpr YearSpan kPreindustrial{1850, 1900};
inline constexpr YearSpan kRecentPast{1995, 2014};

// The parameter sets in the order the summary prints them.
enum class ParameterSet { Low, Mid, High, User };
inline constexpr std::array<ParameterSet, 4> kParameterSets{ParameterSet::Low, ParameterSet::Mid,
                                                             ParameterSet::High, ParameterSet::User};

// One row of temps.dis: the year and the global-mean temperature change from
// IREFYR of each parameter set (degC; NaN where the field holds no number).
struct TempsRow {
  int year = 0;
  std::array<double, 4> change{NAN, NAN, NAN, NAN};  // indexed by ParameterSet

  double of(ParameterSet p) const { return change[static_cast<std::size_t>(p)]; }
};

// The rows of temps.dis, in file order; empty when the file is missing.
// The layout is the one orvtar writes: a header record, then
// "(1X,I4,5F9.3)" with YEAR, TEMUSER, TEMLO, TEMMID, TEMHI, TEMNOSO2, then
// the header again.
std::vector<TempsRow> read_temps_dis(const std::string& path);

// The mean change of `p` over `target` minus its mean over `base` (degC);
// nothing when a year of either span has no row or no finite value (a run
// that ends earlier, or a display step IDISSTEP that leaves years out).
std::optional<double> period_warming(const std::vector<TempsRow>& rows, YearSpan base, YearSpan target,
                                     ParameterSet p);

// "2081-2100 vs 1850-1900"
std::string period_label(YearSpan base, YearSpan target);

// Why the summary's period rows show n/a, or "" when they can show numbers:
// the run ends before the last period year, or the display step IDISSTEP
// leaves years out of temps.dis (and the summary's other rows may miss
// their year too).
std::string period_gap_note(int IYEND, int IDISSTEP);

}  // namespace fe
