// The ensemble's files: percentiles.csv (long format: one row per scenario,
// variable, year and weighting, with the 5, 17, 50, 83 and 95 % points)
// and members.csv (one row per scenario and member: its parameters, weight
// and headline numbers). Both open with '#' lines that say how the ensemble
// was made. Each file is written under a temporary name and renamed when
// complete, so that a failed run never leaves one that looks whole. The
// layouts are in docs/formats/ensemble-files.md.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "ensemble/ensemble_spec.h"
#include "ensemble/parameter_draws.h"
#include "ensemble/reduction.h"

namespace ens {

// The '#' lines both files open with: the members, seed, distributions,
// switches and constraint.
std::vector<std::string> provenance_lines(const EnsembleSpec& spec);

void write_percentiles_csv(const std::string& path, const EnsembleSpec& spec,
                           std::span<const ScenarioStatistics> scenarios);

void write_members_csv(const std::string& path, const EnsembleSpec& spec, const ParameterDraws& draws,
                       std::span<const ScenarioRun> runs, std::span<const ScenarioStatistics> scenarios);

}  // namespace ens
