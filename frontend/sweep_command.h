// `scenario sweep`: the ensemble's members for every scenario of the
// [sweep] section, spread over the ranks of an MPI job (or run in one
// process), reduced by rank 0 to the ensemble's percentile and member
// files in the run folder's sweep/ subfolder.
#pragma once

#include <iosfwd>
#include <string>

#include "sweep/transport.h"

namespace fe {

struct SweepOptions {
  std::string settings_path;  // empty: the built-in defaults
  std::string out_dir;        // the run folder; the files go to out_dir/sweep
  std::string data_dir;       // bundled inputs
};

// Runs this rank's part of the sweep and returns the exit status. Rank 0
// reads and checks the settings and every scenario's data, prints progress
// and the summary to `out` and any failure to `err` (whichever rank saw
// it); the other ranks print nothing.
int run_sweep(swp::Transport& t, const SweepOptions& opt, std::ostream& out, std::ostream& err);

}  // namespace fe
