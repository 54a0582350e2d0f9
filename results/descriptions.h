// The words the writers of results/ use for a run's engine settings, so the
// netCDF attributes, the figure titles and the page say the same thing.
#pragma once

#include <string>

#include "results/regional_results.h"
#include "results/run_info.h"

namespace res {

std::string season_label(const eng::EngineConfig& c);         // "ANN"
std::string parameter_set_label(const eng::EngineConfig& c);  // "MID (DEFAULT)" or "USER"
std::string scaling_label(const eng::EngineConfig& c);        // "linear" or "exponential"
std::string area_label(const RegionalResults& r);             // "global", "box 35N to 70N, 10W to 40E", "mask MASK.U (ALPS)"
int model_count(const eng::EngineConfig& c);                  // models, not cases
// "GC01 MODEL-A, GC04 MODEL-B" (names when the tree has them)
std::string models_label(const eng::EngineConfig& c, const ModelData& m);

// "temperature ANN 2100, RCP4.5, MID (DEFAULT) set, 3 models" and, for a
// synthetic tree, " - SYNTHETIC PATTERNS".
std::string run_line(const RegionalResults& r, const ModelData& m);

}  // namespace res
