// The correlations report's table of each model's definition-1 pattern
// against its definition-2 pattern (definition mode 3), the same in both
// engines.
#pragma once

#include "engines/common/compare.h"
#include "engines/common/config.h"
#include "records/record_io.h"

namespace eng {

// The heading for the weighting IWT (0 none, 1 cosine), then one line per
// model k = 1 … NMODIN: the first four characters of its case code and
// CORR[k][NMODIN + k].
void write_definition_pairs(rec::Unit& out, const EngineConfig& c, int IWT,
                            const CorrTable<double>& CORR);

}  // namespace eng
