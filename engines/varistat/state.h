// The process-wide state of varistat: the run settings, the selected weights
// record and study area, the four field families read from the data tree and
// the fields derived from them.
#pragma once

#include <array>

#include "engines/common/area.h"
#include "engines/common/catalogue.h"
#include "engines/common/config.h"
#include "engines/common/field_files.h"
#include "engines/common/grid.h"

namespace vs {

using eng::Field;
using eng::MAXCASES;
using eng::MISSING;
inline constexpr int MAXMODELS = eng::NCATALOGUE;

struct VsState {
  eng::EngineConfig cfg;  // SHELL.CFG with the derived counts and case list
  eng::MaskFile maskfile;  // MASKNAME is eight blanks when no mask file is read
  eng::Weights weights;    // the record of IYEAR
  double DTGHG = 0.0;      // warming used for scaling: always GLOBWT
  eng::Area area;

  // Inputs, indexed from 1: cases 1 … NCASES, models 1 … NMODIN.
  std::array<Field, MAXCASES + 1> NDELSD;     // normalised S.D. change, %/degC
  std::array<Field, MAXCASES + 1> NDELMN;     // normalised mean-state change
  std::array<Field, MAXMODELS + 1> BSD;       // baseline interannual S.D.
  std::array<Field, MAXMODELS + 1> BMEAN;     // baseline mean
  Field MISSFLD;                              // MISSING everywhere (no model selected)

  // Intermediate fields; SDNDSD, SDBSD, SDBMEAN and SDSNR are not reported.
  Field AVNDSD, SDNDSD, AVNDMN, SDNDMN, SDBSD, AVBMEAN, SDBMEAN, SDSNR;
  std::array<Field, MAXCASES + 1> CASESNR;    // per-case SNR

  // Result fields.
  Field DELMEAN;  // scaled model-average change in mean state
  Field BASESD;   // model average of the baseline S.D.s
  Field DELSD;    // scaled model-average change in S.D., %
  Field BARSNR;   // model average of the per-case SNRs
  Field SNRBAR;   // SNR of the model averages
  Field IMSNR;    // inter-model SNR of the normalised mean-state change
};

}  // namespace vs
