// IMOUT/AREAAVES.OUT after its run header: the area averages of the
// normalised changes, of the baselines and of the model-mean fields, and
// the scaled area averages of the cases.
#pragma once

#include "engines/crossmod/state.h"
#include "records/record_io.h"

namespace xm {

// Area description, then one line per case and the mean slot "MODBAR"
// (area mean and spatial S.D. of X(n)), the overall mean and the
// inter-model S.D. of the case means.
void write_case_averages(rec::Unit& out, const XmState& s);

// One line per model baseline (by model code) and the model-mean "MBAR".
void write_baseline_averages(rec::Unit& out, const XmState& s);

// The six model-mean area averages, then the scaled area average of every
// case with the aerosols included.
void write_model_mean_averages(rec::Unit& out, const XmState& s);

}  // namespace xm
