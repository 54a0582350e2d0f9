// One run of crossmod in the working directory: configuration, data files,
// statistics and every output file.
#pragma once

namespace xm {

// Runs the engine. The fatal configuration (no model and no aerosols) ends
// normally after writing IMOUT/CRASH.OUT. Bad or missing input throws
// rec::Error; the files written so far keep their records.
void run();

}  // namespace xm
