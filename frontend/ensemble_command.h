// `scenario ensemble`: the members of the reference and policy scenarios,
// their statistics, files, figure and summary, in the run folder's
// ensemble/ subfolder.
#pragma once

#include <iosfwd>
#include <string>

#include "frontend/ensemble_settings.h"
#include "frontend/run_settings.h"

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
void run_ensemble(const SettingsFile& file, const RunSettings& rs, const EnsembleSettings& es,
                  const EnsembleOptions& opt, std::ostream& out);

}  // namespace fe
