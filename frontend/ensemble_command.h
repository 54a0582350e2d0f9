// `scenario ensemble`: the members of the reference and policy scenarios,
// their statistics, files, figure and summary, in the run folder's
// ensemble/ subfolder.
#pragma once

#include <iosfwd>
#include <string>

#include "ensemble/member_runs.h"
#include "ensemble/parameter_draws.h"
#include "frontend/ensemble_settings.h"
#include "frontend/run_settings.h"
#include "frontend/scenario_inputs.h"

namespace fe {

struct EnsembleOptions {
  std::string settings_path;  // copied into the folder; empty when defaults are used
  std::string out_dir;        // the run folder; the files go to out_dir/ensemble
  std::string data_dir;       // bundled inputs
  unsigned threads = 1;       // worker threads
};

// Runs the ensemble, printing a progress line per step and the summary to
// `out`. A member the model refuses throws rec::Error naming the settings
// file, the line of the item and the member; nothing runs before every
// member has been checked.
// The climate model's settings for a scenario's members: the settings
// file's items, the scenario's 1990 SO2 emission and the ensemble's
// switches.
orv::ConfigValues member_base_values(const RunSettings& rs, const Scenario& s, const ens::EnsembleSpec& spec);

// A member refused by the model, as a settings error (rec::Error) at the
// line of the item the model names: its [ensemble] distribution, else its
// own entry.
[[noreturn]] void refuse_member(const SettingsFile& f, const EnsembleSettings& es, const ens::ParameterDraws& draws,
                                const ens::MemberRefused& e);

void run_ensemble(const SettingsFile& file, const RunSettings& rs, const EnsembleSettings& es,
                  const EnsembleOptions& opt, std::ostream& out);

}  // namespace fe
