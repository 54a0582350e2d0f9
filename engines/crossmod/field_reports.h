// The gridded results: IMOUT/IMFIELDS.OUT, the one-table files of IMOUT/ and
// the TESSERA/ dumps, written as their fields become available.
#pragma once

#include "engines/crossmod/outputs.h"
#include "engines/crossmod/state.h"

namespace xm {

// The changes and the inter-model statistics: in IMFIELDS.OUT the heading,
// the area description and the tables of T, G1, A, ISD, SNR, PROB and
// NINCR; GHGDELTA, INTER-SD, IM-SNR, PROBINCR, NUM-INCR, GHANDAER, AEROSOL
// and NORMDEL; the dumps of D, SNR and PROB.
void write_change_tables(XmOutputs& out, const XmState& s);

// The baselines and new climates: in IMFIELDS.OUT the tables of BM, OBS, the
// error field, NO and NM; MODBASE, OBSBASE, ERROR, ABS-OBS and ABS-MOD; the
// dumps of BM, OBS, NO, NM and (unless IBOTH = 1) the error field. An
// aerosol-only run shows NO in place of NM in ABS-MOD.
void write_baseline_tables(XmOutputs& out, const XmState& s);

// Definition mode 3: the drift table in DRIFT.OUT and, when IBOTH = 1, the
// drift dump in TESSERA/ERROR.OUT.
void write_drift_tables(XmOutputs& out, const XmState& s);

}  // namespace xm
