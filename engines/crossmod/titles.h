// The titles of the gridded tables and of the TESSERA dumps, each in its
// temperature (IVAR = 1) and precipitation (IVAR = 2) wording. Counts are
// passed in because the same title prints the number of cases in one file
// and the number of models in another.
#pragma once

#include "records/record_io.h"

namespace xm {

// Table titles (each ends with an empty record before the table).
void title_ghg_and_aerosol(rec::Unit& out, int IVAR, int ncases);  // T
void title_ghg_only(rec::Unit& out, int IVAR, int ncases);         // G1
void title_aerosol_only(rec::Unit& out, int IVAR);                  // A
void title_intermodel_sd(rec::Unit& out, int IVAR);                 // ISD
void title_snr(rec::Unit& out);                                      // SNR
void title_prob(rec::Unit& out, double THRESH, int ncases);         // PROB
void title_num_incr(rec::Unit& out, int ncases, double THRESH);     // NINCR
void title_model_baseline(rec::Unit& out, int IVAR, int nmodels);   // BM
void title_observed(rec::Unit& out, int IVAR);                      // OBS
void title_error(rec::Unit& out, int IVAR, int nmodels);            // ERRFLD
void title_normdel(rec::Unit& out, int IVAR, int ncases);           // XM
void title_drift(rec::Unit& out, int IVAR, int nmodels);            // DRIFT
// The new-climate title (GHG only or with aerosols, by ISULF) without the
// baseline line that follows it.
void title_new_climate(rec::Unit& out, int ISULF, int IVAR, int ncases);

// Dump titles.
void dump_title_change(rec::Unit& out, int IVAR);                        // D
void dump_title_snr(rec::Unit& out);                                      // SNR
void dump_title_prob(rec::Unit& out, double THRESH, int ncases);         // PROB
void dump_title_model_baseline(rec::Unit& out, int IVAR, int nmodels);   // BM
void dump_title_observed(rec::Unit& out, int IVAR);                      // OBS
void dump_title_new_climate(rec::Unit& out, int ISULF, int IVAR, int ncases);  // NO, NM
void dump_title_error(rec::Unit& out, int IVAR, int nmodels);            // ERRFLD
void dump_title_drift(rec::Unit& out, int IVAR, int nmodels);            // DRIFT

}  // namespace xm
