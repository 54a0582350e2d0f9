// Run-header records common to the reports of both engines. The labels
// (H-lin, H-exp, H-def, H-run, H-mod) are those of docs/design/pattern-scaling.md.
#pragma once

#include "engines/common/config.h"
#include "records/record_io.h"

namespace eng {

// H-lin / H-exp: "*** nn MODELS : VARIABLE = ... -- LINEAR SCALING : SEASON
// = ... ***" (or EXPONENTIAL) with NMSHOW; nothing for another ISCALE.
void write_scaling_header(rec::Unit& out, const EngineConfig& c);

// H-def: the definition-mode text and NCASES.
void write_definition_header(rec::Unit& out, const EngineConfig& c);

// H-run: parameter-set name, scenario name and IYEAR.
void write_run_header(rec::Unit& out, const EngineConfig& c);

// H-mod: MODLAB of the models 1 … NMODIN, six to a line.
void write_models_header(rec::Unit& out, const EngineConfig& c);

}  // namespace eng
