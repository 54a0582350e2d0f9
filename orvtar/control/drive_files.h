// The drive files of the twenty-simulation run: for each parameter set the
// warming since 1990 split into the greenhouse-gas part and the parts of
// the three SO2 regions, as raw differences (lodrive.raw, middrive.raw,
// hidrive.raw, usrdrive.raw) and with the regional parts rescaled so that
// they add up to the total aerosol effect (the .out files).
#pragma once

#include "orvtar/control/result_stores.h"
#include "orvtar/physics/state.h"

namespace orv {

// Ratio of the total aerosol effect TDRV(1) - TDRV(2) to the sum of the
// three regional effects, limited to 0 .. 2; 1 where the regions have no
// effect.
float aerosol_ratio(float total, float ghg, float reg1, float reg2, float reg3);

// Whether a run of mode IRUNMODE writes the drive files: the
// twenty-simulation mode 1 only.
constexpr bool writes_drive_files(int IRUNMODE) { return IRUNMODE == 1; }

// Creates the eight files in the working directory and writes them from
// the stores of the run configured in `s` (NYEND, PROFILE).
void write_drive_files(const OrvState& s, const ResultStores& k);

}  // namespace orv
