// The study area (a latitude/longitude box or a mask), its description and
// mask map in the outputs, and the masked cosine-weighted area average.
#pragma once

#include <string>

#include "engines/common/config.h"
#include "engines/common/field_files.h"
#include "engines/common/grid.h"
#include "records/record_io.h"

namespace eng {

struct Area {
  // Grid limits from XLAT1 … XLON2: rows and columns whose centres lie
  // strictly inside the limits. A limit on a box centre or beyond the outer
  // bounds matches nothing and leaves its index at 0.
  int first_row = 0, last_row = 0, first_col = 0, last_col = 0;
  Mask MASK;     // box (IMASK = 0): 1 inside, 0 outside; otherwise the mask file
  int NPTS = 0;  // sum of MASK
};

// Selects the area. The box does not wrap across 180 degrees (a western
// limit east of the eastern one selects nothing) and only rows 1 … 36 and
// columns 1 … 72 are ever marked. With IMASK != 0 the limits are still
// computed but MASK is the mask file's.
Area select_area(const EngineConfig& c, const MaskFile& mask);

// The area description of the reports: the box's centre-point ranges and
// grid ranges, or the mask file and mask names.
void write_area_description(rec::Unit& out, const EngineConfig& c, const Area& area,
                            const MaskFile& mask);

// The run log's mask map: heading, mask name "(A8)", 36 rows "(72I1)".
void write_mask_map(rec::Unit& log, const MaskFile& mask, const Area& area);

// Threshold on the weight sum by use of the average.
enum class AreaRule {
  Case,       // per-case normalised and scaled changes: sum of weights > 1.0E-4
  Baseline,   // per-model and model-mean baselines: sum of weights >= 0.1
  ModelMean,  // model-mean summaries of gridpoint statistics: >= 0.5 (mean only)
};

struct AreaMean {
  double mean = MISSING;
  double sd = MISSING;  // spatial S.D.
};

// Masked cosine-weighted mean and spatial S.D. of F over its valid boxes:
// w = MASK(i,j) * COSLAT[i]; both MISSING when the weight sum fails `rule`.
AreaMean area_average(const Field& F, const Mask& MASK, AreaRule rule);

}  // namespace eng
