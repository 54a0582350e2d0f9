// Pattern correlations: between the cases' S.D. change fields and between
// the models' baseline S.D. fields over the study area ("SDOUT/SDCORRS.OUT"),
// and between the six result fields over the whole globe
// ("SDOUT/SDFIELDS.OUT").
#pragma once

#include "engines/varistat/state.h"
#include "records/record_io.h"

namespace vs {

// The area description, then (with at least 3 gridpoints in the area) four
// blocks: normalised S.D. changes and baseline S.D.s, each unweighted and
// cosine weighted. NDELSD must hold the unscaled case fields.
void write_intermodel_correlations(rec::Unit& out, const VsState& s);

// The 6 x 6 correlations between the result fields, unweighted and cosine
// weighted, always over the whole globe and always of the computed fields.
void write_output_field_correlations(rec::Unit& out, const VsState& s);

}  // namespace vs
