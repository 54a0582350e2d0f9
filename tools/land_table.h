#pragma once

namespace synth {

// Row i (0 = 87.5 N) of the land mask: 72 characters '0' (sea) or '1' (land).
extern const char* const LAND_ROWS[36];

}  // namespace synth
