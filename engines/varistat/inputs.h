// The four field families varistat reads from the data tree, each listed in
// the run log "SDOUT/SDFILES.OUT" before its files are read.
#pragma once

#include "engines/varistat/state.h"
#include "records/record_io.h"

namespace vs {

// Normalised S.D. changes of cases 1 … NCASES (digit 5, or 6 for
// definition-2 cases) into NDELSD. Read twice in a run.
void read_sd_changes(VsState& s, rec::Unit& log);

// Normalised mean-state changes of every case (digit 1, or 2) into NDELMN.
void read_mean_changes(VsState& s, rec::Unit& log);

// Baseline S.D.s of models 1 … NMODIN (digit 4) into BSD; a stored 0 reads
// as 0.005.
void read_baseline_sds(VsState& s, rec::Unit& log);

// Baseline means of models 1 … NMODIN (digit 3) into BMEAN.
void read_baseline_means(VsState& s, rec::Unit& log);

}  // namespace vs
