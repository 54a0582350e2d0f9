// The whole climate model run in the working directory: start-up, the
// simulations with their report sections, and the display and drive
// files.
#pragma once

namespace orv {

// Runs the model as configured by the files of the working directory. The
// simulations run side by side on the machine's cores; the report and the
// files are written in simulation order, as one simulation after the other
// would write them. Failures throw rec::Error (input) or std::exception;
// whatever was written before stays in the files.
void run();

}  // namespace orv
