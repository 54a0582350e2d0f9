// The check of varistat's result fields before any of them is written:
// every value that goes into a table or a dump is finite and fits the
// field it is printed in.
#pragma once

#include "engines/varistat/state.h"

namespace vs {

// Throws rec::Error at the first value, in the order the fields are
// computed (DELSD, DELMEAN, BASESD, BARSNR, SNRBAR, IMSNR), that is not
// finite or does not fit a field it is printed in (the missing marker
// always passes), naming the output file, the field, the grid box, the
// value and its field, and the inputs, weights and scaling it follows
// from. The correlations written after the tables are formed from these
// checked fields and the bounded inputs.
void check_results(const VsState& s);

}  // namespace vs
