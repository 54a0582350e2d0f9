// The check of crossmod's results before any of them is written: every
// value that goes into a report file or a dump is finite and fits the field
// it is printed in.
#pragma once

#include "engines/crossmod/state.h"

namespace xm {

// Throws rec::Error at the first value, in the order the results are
// computed, that is not finite or does not fit a field it is printed in
// (the missing marker always passes), naming the output file, the quantity,
// the grid box or line, the value and its field, and the inputs, weights
// and scaling it follows from.
void check_results(const XmState& s);

}  // namespace xm
