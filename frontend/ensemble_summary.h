// The summary of `scenario ensemble`: for each scenario the warming of
// 2081-2100 against 1850-1900 as median [5-95 %], the probabilities of
// exceeding 1.5, 2 and 3 degC in 2100, and the sea-level rise of 2100,
// unconstrained and constrained, with the constraint's effective sample
// size.
#pragma once

#include <iosfwd>
#include <span>

#include "ensemble/ensemble_spec.h"
#include "ensemble/reduction.h"

namespace fe {

// The effective sample size below which the summary warns, as a share of
// the members.
inline constexpr double LOW_EFFECTIVE_SHARE = 0.10;

void print_ensemble_summary(const ens::EnsembleSpec& spec, std::span<const ens::ScenarioStatistics> scenarios,
                            std::ostream& out);

}  // namespace fe
