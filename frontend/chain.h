// The default job: two climate-model runs (reference and policy scenario),
// the weights files made from their drive files, and the two pattern engines
// for each scenario, in one run folder.
#pragma once

#include <iosfwd>
#include <string>

#include "frontend/run_settings.h"
#include "records/record_io.h"

namespace fe {

struct ChainOptions {
  std::string settings_path;  // named in the results' provenance; empty when defaults are used
  std::string settings;       // the run folder's settings.ini (settings_copy.h)
  std::string out_dir;        // the run folder: made, or replaced, only when every step succeeded
  std::string data_dir;       // bundled inputs
  std::string bin_dir;        // orvtar, crossmod, varistat, tesseragen
};

// A program of the chain ended with a non-zero status.
class ProgramFailed : public rec::Error {
 public:
  using rec::Error::Error;
};

// Runs the chain in a new run folder built beside opt.out_dir
// (run_folder.h), printing a progress line per step and the summary to
// `out`. A failing program throws ProgramFailed with its message and log,
// any other failure rec::Error; both end with where the earlier run folder
// and the failed attempt are.
void run_chain(const RunSettings& rs, const ChainOptions& opt, std::ostream& out);

// `scenario report`: the summary and results/ of the finished run in
// opt.out_dir, anew, with the model data tree found as `run` finds it.
void report_run(const RunSettings& rs, const ChainOptions& opt, std::ostream& out);

}  // namespace fe
