// Pattern scaling of the model-mean change, the aerosol change, the baselines
// and the new mean climates.
#pragma once

#include "engines/crossmod/state.h"

namespace xm {

// Y(n): the case field scaled with GHGWT where it is valid, MISSING elsewhere.
void scale_case(const XmState& s, const Field& X, Field& Y);

// G1 = S(XM, DTGHG), G2 = S(XM, GHGWT) (MISSING where XM is, so everywhere
// in an aerosol-only run); A = EURWT*P1 + ASIAWT*P2 + ROWWT*P3 at every box;
// T = G2 + A where G2 is valid, else A in an aerosol-only run and MISSING
// otherwise; D = T with aerosols (ISULF = 1), G1 without.
void scaled_changes(XmState& s);

// BM: the mean of the valid baselines B(1 … NMODIN) (MISSING where none is,
// and everywhere in an aerosol-only run); ERRFLD: BM - OBS for temperature,
// 100*(BM/OBS - 1) for precipitation (999.99 where OBS <= 0.01, and no more
// than 999.99), MISSING unless both are valid and everywhere in an
// aerosol-only run.
void baseline_fields(XmState& s);

// NO and NM: the observed and the model-mean baseline changed by D (added
// for temperature, as a percentage for precipitation); MISSING where the
// baseline is below -99.0 or D is MISSING.
void new_climates(XmState& s);

}  // namespace xm
