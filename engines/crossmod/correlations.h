// IMOUT/IMCORRS.OUT after its run header: the pattern correlations of the
// cases' normalised changes with each other and with their mean, the
// average correlation RBAR, the highest and lowest pairs, the matrix and,
// in definition mode 3, each model's definition-1 against definition-2
// correlation; once unweighted and once cosine weighted.
#pragma once

#include "engines/crossmod/state.h"
#include "records/record_io.h"

namespace xm {

// The mean of the pair correlations CORR(i, j), i < j <= n, that are not
// MISSING; MISSING when there is none.
double RBAR(int n, const eng::CorrTable<double>& CORR);

// Case j's average correlation with the other cases 1 … n as a whole
// percentage, over the valid ones; -9999 when none is valid.
int average_correlation(int n, int j, const eng::CorrTable<double>& CORR);

void write_correlations(rec::Unit& out, const XmState& s);

}  // namespace xm
