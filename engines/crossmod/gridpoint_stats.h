// Inter-model statistics at every grid box: the model-mean normalised change,
// the inter-model S.D., the signal-to-noise ratio and the count and
// probability of an increase above the threshold.
#pragma once

#include "engines/crossmod/state.h"

namespace xm {

// Probability that a case exceeds the threshold when the cases are normal
// with mean XMEAN and S.D. SD: Phi of the normal upper-tail polynomial
// approximation (Abramowitz and Stegun 26.2.16), 1 - Phi below the threshold.
double PROBINC(double XMEAN, double SD, double THRESH);

// From the cases X[1 … NCASES]: NINCR, XM, ISD, SNR and PROB, and the plain
// case mean in the mean slot X[NCASES+1]. In an aerosol-only run XM, ISD, SNR
// and PROB are MISSING and NINCR is 0 everywhere, while the mean slot still
// holds the case mean. A box where no case is valid gets MISSING in all four
// fields and in the mean slot.
void gridpoint_statistics(XmState& s);

}  // namespace xm
