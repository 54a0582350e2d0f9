// The data files of a run, each logged to IMOUT/IMFILES.OUT under its
// family's heading as it is read.
#pragma once

#include "engines/crossmod/state.h"
#include "records/record_io.h"

namespace xm {

// The normalised change file of every case into X[1 … NCASES]. Called twice
// per run: the drift and the correlations work on the fields as read, and
// the log shows both listings.
void read_change_files(XmState& s, rec::Unit& log);

// The three aerosol response patterns into P1, P2, P3.
void read_aerosol_file(XmState& s, rec::Unit& log);

// The baseline climate of every model into B[1 … NMODIN].
void read_baseline_files(XmState& s, rec::Unit& log);

// The observed baseline into OBS, decoded by IVAR and OBSSET.
void read_observed_file(XmState& s, rec::Unit& log);

}  // namespace xm
