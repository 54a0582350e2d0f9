// The run sequence of varistat: settings, outputs and headers, area, the four
// field families, statistics, tables and correlations.
#pragma once

namespace vs {

// One whole run in the working directory. Failures throw rec::Error; the
// output files keep everything written before the failure.
void run();

}  // namespace vs
