// Output directories of the engines (IMOUT/, SDOUT/, TESSERA/).
#pragma once

#include <string>

namespace eng {

// Creates the directory (relative to the working directory) when it is
// missing; fails with rec::Error naming it when it cannot be created or a
// file of that name is in the way.
void ensure_directory(const std::string& dir);

}  // namespace eng
