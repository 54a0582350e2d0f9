// IMOUT/VALIDN.OUT after its run header: each model baseline and the
// model-mean baseline compared with the observed baseline over the study
// area, unweighted and then cosine weighted.
#pragma once

#include "engines/crossmod/state.h"
#include "records/record_io.h"

namespace xm {

void write_validation(rec::Unit& out, const XmState& s);

}  // namespace xm
