// Run settings of the engines: the EXTRA.CFG and SHELL.CFG readers, the
// checks on their values and the settings derived from them (run kind, case
// list, counts printed in the headers).
//
// crossmod:  EngineConfig c; if (!read_crossmod_config(c)) -> fatal CRASH.OUT path.
// varistat:  rec::Unit shell("SHELL.CFG", rec::Status::Old); (create outputs)
//            EngineConfig c; read_varistat_config(shell, c);
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engines/common/catalogue.h"
#include "records/record_io.h"

namespace eng {

inline constexpr int MAXCASES = 40;  // case store: 17 models in mode 3 = 34 cases

// The largest threshold of the increase-above statistics either way, in
// degC or % per degC of global warming: no pattern changes by 100 per degC,
// and the titles print THRESH in F5.1, which holds -99.9 at the least.
inline constexpr double THRESH_LIMIT = 99.9;

struct EngineConfig {
  // EXTRA.CFG (crossmod only; varistat leaves these at their defaults).
  double THRESH = 0.0;   // threshold of the increase-above statistics
  std::string OBSSET;    // "OLD" or "NEW"
  int IBOTH = 0;         // 1 forces definition mode 3

  // SHELL.CFG records 2 … 16.
  double XLAT1 = 0.0, XLAT2 = 0.0;  // southern, northern latitude limit (deg N)
  double XLON1 = 0.0, XLON2 = 0.0;  // western, eastern longitude limit (deg E)
  int IMASK = 0;                    // 0 box; otherwise the mask file "MASK." + MASKID
  std::string MASKID;               // one character
  int IVAR = 0;    // 1 temperature, 2 precipitation
  int ISEAS = 0;   // 1 … 17
  int ISCALE = 0;  // 1 linear, 2 exponential
  int IPSET = 0;   // 1 DEFAULT, 2 USER
  int ISCEN = 0;   // 1 REFRNCE, 2 POLICY
  int ISULF = 0;   // 1 with sulphate aerosols, 0 GHG only (varistat sets it to 0)
  int IYEAR = 0;   // the year whose warming is used
  int NMODS = 0;   // models selected: as read, then 1 in an aerosol-only or
                   // no-model run. It stays the number of MODELS; loops over
                   // the cases run to NCASES (2 x NMODS in definition mode 3).
  int IDEF = 0;    // definition mode 1, 2 or 3 (3 when IBOTH = 1 in crossmod)

  // Case list, 1-based: IMOD[k] for k = 1 … NCASES. In definition mode 3,
  // IMOD[NMODIN + k] = IMOD[k] + 17, which indexes MODCODE's D2 codes; use
  // case_model() for the catalogue model of a case.
  std::array<int, MAXCASES + 1> IMOD{};

  // Derived settings.
  int KRUN = 0;    // crossmod: 0 normal, 1 aerosol only, 2 fatal (NMODS = ISULF = 0)
  int NOMODS = 0;  // varistat: 1 when SHELL.CFG selected no model
  int NMODIN = 0;  // number of models
  int NCASES = 0;  // number of cases: NMODIN, or 2 x NMODIN in definition mode 3
  int NMSHOW = 0;  // models printed in the headers: NMODS as read, 0 without models

  // The run's case codes (a copy of MODCODE_TABLE; in definition mode 2
  // entries 1 … 17 are replaced by entries 18 … 34).
  std::array<std::string_view, 37> MODCODE = MODCODE_TABLE;
};

// crossmod start-up: reads EXTRA.CFG (records 1-4) and closes it, reads
// SHELL.CFG records 1-16, applies IBOTH and the mode-2 case codes, sets KRUN
// and, unless the run is fatal, reads the model list and derives the case
// list and counts. Out-of-range settings are rejected with rec::Error naming
// the file, the record and the accepted values. Returns false on the fatal
// path (KRUN = 2); SHELL.CFG is then not read further. The files are read
// from the working directory, or from `dir` (a finished run's folder).
bool read_crossmod_config(EngineConfig& c, const std::string& dir = "");

// varistat start-up (steps 3-7 of its run, docs/design/variability.md):
// reads SHELL.CFG records 1-16 from the open unit, applies the mode-2 case
// codes, handles NMODS = 0 (model 1 as the only model, NOMODS = 1), reads
// the model list, closes the unit, sets ISULF = 0 and derives the case list
// and counts. EXTRA.CFG is not read.
// Out-of-range settings are rejected as above.
void read_varistat_config(rec::Unit& shell, EngineConfig& c);

// Catalogue index (1 … 17) of case k: IMOD[k], or IMOD[k - NMODIN] for the
// definition-2 cases of mode 3.
int case_model(const EngineConfig& c, int k);

// True when case k uses the model's definition-2 files: every case in mode
// 2, cases NMODIN+1 … NCASES in mode 3.
bool case_is_definition2(const EngineConfig& c, int k);

}  // namespace eng
