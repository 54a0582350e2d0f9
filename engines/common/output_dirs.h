// Output directories of the engines (IMOUT/, SDOUT/, TESSERA/) and the
// removal of an earlier run's output files.
#pragma once

#include <string>
#include <vector>

namespace eng {

// Creates the directory (relative to the working directory) when it is
// missing; fails with rec::Error naming it when it cannot be created or a
// file of that name is in the way.
void ensure_directory(const std::string& dir);

// Removes each of the files that exists, so that a run that fails leaves no
// file of an earlier run beside its own partial ones. Every file that can
// go goes; then a file that could not (a folder in its place, no
// permission) fails with rec::Error naming it.
void remove_outputs(const std::vector<std::string>& names);

}  // namespace eng
