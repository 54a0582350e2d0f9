// What the summary and the run folder's README say about the two scenarios
// beyond their names: the 1990 SO2 emission each climate-model run counts
// its regional SO2 changes from, and a note when the pair mixes families
// whose emission histories differ.
#pragma once

#include <string>

#include "frontend/run_settings.h"

namespace fe {

// A heading and one line per scenario: "  SSP2-4.5      67.0565 TgS/yr
// (bundled profile)", each ended by a line end.
std::string es1990_lines(const Scenario& reference, const Scenario& policy);

// A note of three lines when one scenario is a bundled RCP and the other a
// bundled SSP, else "".
std::string mixed_history_note(const Scenario& reference, const Scenario& policy);

}  // namespace fe
