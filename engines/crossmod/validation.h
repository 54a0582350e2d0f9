// IMOUT/VALIDN.OUT after its run header: each model baseline and the
// model-mean baseline compared with the observed baseline over the study
// area, unweighted and then cosine weighted.
#pragma once

#include <string_view>

#include "engines/crossmod/state.h"
#include "records/record_io.h"

namespace xm {

// The record formats of a model's line and of the model-mean line (the
// result check reads their fields).
inline constexpr std::string_view VALIDATION_MODEL_LINE = "(1X,A6,2F9.3,F11.3,I8)";
inline constexpr std::string_view VALIDATION_MEAN_LINE = "(1X,'MODBAR',2F9.3,F11.3,I8)";

// VALID: Compare(IWT, OBS, B(k)) for k = 1 … NMODIN and Compare(IWT, OBS,
// BM) at NMODIN+1, for IWT = 0 and 1.
void validate(XmState& s);

void write_validation(rec::Unit& out, const XmState& s);

}  // namespace xm
