// Area statistics over the study area: per-case means and spreads, the
// spread of the case means, the baselines and the model-mean summaries.
#pragma once

#include "engines/crossmod/state.h"

namespace xm {

// XAVE and YAVE of the cases 1 … NCASES and the mean slot (weight sum above
// 1.0E-4); OVMEAN and IMSD, the mean and population S.D. of the case area
// means 1 … NCASES that are not MISSING (MISSING when none is).
void case_area_statistics(XmState& s);

// BAVE of the baselines B(1 … NMODIN), then of BM (weight sum 0.1 or more).
void baseline_area_statistics(XmState& s);

// The area means of ISD, SNR, PROB, G2, A (AERAVE) and T (weight sum 0.5 or
// more).
void model_mean_area_averages(XmState& s);

// Scaled area mean of case n with the aerosols: mean(Y(n)) + AERAVE, or
// MISSING when either term is.
double scaled_case_average(const XmState& s, int n);

}  // namespace xm
