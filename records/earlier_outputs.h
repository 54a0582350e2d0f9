// The output files of an earlier run, removed when a program starts so that
// a run that fails leaves none of them beside its own partial files.
#pragma once

#include <string>
#include <vector>

namespace rec {

// Removes each of the files that exists (names relative to the working
// directory). Every file that can go goes; then one that could not (a
// folder in its place, no permission) fails with rec::Error naming it.
void remove_earlier_outputs(const std::vector<std::string>& names);

}  // namespace rec
