// The six result fields of varistat, gridpoint by gridpoint over the whole
// globe: DELSD, DELMEAN, BASESD, BARSNR, SNRBAR and IMSNR.
#pragma once

#include "engines/varistat/state.h"

namespace vs {

// How a normalised change becomes the change for a global-mean warming.
enum class Form {
  Linear,       // x * DT
  Exponential,  // ((1 + x/100) ** DT - 1) * 100: a percentage compounded per degC
  Unset,        // no scaling setting: every value stays MISSING
};

// The S.D. change is a percentage for both variables: exponential whenever
// ISCALE = 2.
Form sd_change_form(int ISCALE);

// The mean-state change: exponential only for precipitation (a percentage)
// under ISCALE = 2; temperature changes (degC) always scale linearly.
Form mean_change_form(int ISCALE, int IVAR);

// The scaled value of a present x; MISSING when x is the missing marker, and
// under the exponential form when x is -100 % or less (no power of a base of
// zero or below is defined).
double scale(double x, double DT, Form form);

// Signal-to-noise ratio of a scaled mean-state change C over a baseline S.D.
// B: C/B for temperature; (C/100 * M)/B for precipitation, the percentage
// turned into mm/day with the baseline mean M. MISSING unless every term used
// is present, and when B is 0.
double snr(double C, double B, double M, int IVAR);

// Steps done as soon as the S.D. change files are read: AVNDSD (AVESD of the
// cases) and DELSD, its scaled form.
void average_sd_changes(VsState& s);

// The rest, in order: AVNDMN and DELMEAN; BASESD and AVBMEAN; the per-case
// SNRs and their average BARSNR; SNRBAR; IMSNR.
void remaining_statistics(VsState& s);

}  // namespace vs
