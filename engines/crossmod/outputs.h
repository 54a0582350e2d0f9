// The output files of crossmod, created at start-up and open until the run
// ends, the crash file of the fatal configuration, and the run headers.
#pragma once

#include <string>
#include <vector>

#include "engines/crossmod/state.h"
#include "records/record_io.h"

namespace xm {

// The names of the output files (read back by results/).
inline constexpr const char* AREAAVES_FILE = "IMOUT/AREAAVES.OUT";
inline constexpr const char* IMFIELDS_FILE = "IMOUT/IMFIELDS.OUT";
inline constexpr const char* IMCORRS_FILE = "IMOUT/IMCORRS.OUT";
inline constexpr const char* IMFILES_FILE = "IMOUT/IMFILES.OUT";
inline constexpr const char* VALIDN_FILE = "IMOUT/VALIDN.OUT";
inline constexpr const char* DRIFT_FILE = "IMOUT/DRIFT.OUT";
inline constexpr const char* GHGDELTA_FILE = "IMOUT/GHGDELTA.OUT";
inline constexpr const char* INTERSD_FILE = "IMOUT/INTER-SD.OUT";
inline constexpr const char* IMSNR_FILE = "IMOUT/IM-SNR.OUT";
inline constexpr const char* PROBINCR_FILE = "IMOUT/PROBINCR.OUT";
inline constexpr const char* NUMINCR_FILE = "IMOUT/NUM-INCR.OUT";
inline constexpr const char* MODBASE_FILE = "IMOUT/MODBASE.OUT";
inline constexpr const char* OBSBASE_FILE = "IMOUT/OBSBASE.OUT";
inline constexpr const char* ABSOBS_FILE = "IMOUT/ABS-OBS.OUT";
inline constexpr const char* ABSMOD_FILE = "IMOUT/ABS-MOD.OUT";
inline constexpr const char* GHANDAER_FILE = "IMOUT/GHANDAER.OUT";
inline constexpr const char* AEROSOL_FILE = "IMOUT/AEROSOL.OUT";
inline constexpr const char* NORMDEL_FILE = "IMOUT/NORMDEL.OUT";
inline constexpr const char* ERROR_FILE = "IMOUT/ERROR.OUT";
inline constexpr const char* TDEL2USE_FILE = "TESSERA/DEL2USE.OUT";
inline constexpr const char* TIMSNR_FILE = "TESSERA/IM-SNR.OUT";
inline constexpr const char* TPROBINCR_FILE = "TESSERA/PROBINCR.OUT";
inline constexpr const char* TMODBASE_FILE = "TESSERA/MODBASE.OUT";
inline constexpr const char* TOBSBASE_FILE = "TESSERA/OBSBASE.OUT";
inline constexpr const char* TABSOBS_FILE = "TESSERA/ABS-OBS.OUT";
inline constexpr const char* TABSMOD_FILE = "TESSERA/ABS-MOD.OUT";
inline constexpr const char* TERROR_FILE = "TESSERA/ERROR.OUT";
inline constexpr const char* CRASH_FILE = "IMOUT/CRASH.OUT";

struct XmOutputs {
  rec::Unit AREAAVES;   // "IMOUT/AREAAVES.OUT": area-average results
  rec::Unit IMFIELDS;   // "IMOUT/IMFIELDS.OUT": all gridded results together
  rec::Unit IMCORRS;    // "IMOUT/IMCORRS.OUT": pattern correlations
  rec::Unit IMFILES;    // "IMOUT/IMFILES.OUT": log of the files read and of the mask
  rec::Unit VALIDN;     // "IMOUT/VALIDN.OUT": validation against observations
  rec::Unit DRIFT;      // "IMOUT/DRIFT.OUT": model-mean drift (definition mode 3)
  rec::Unit GHGDELTA;   // "IMOUT/GHGDELTA.OUT": G1
  rec::Unit INTERSD;    // "IMOUT/INTER-SD.OUT": ISD
  rec::Unit IMSNR;      // "IMOUT/IM-SNR.OUT": SNR
  rec::Unit PROBINCR;   // "IMOUT/PROBINCR.OUT": PROB
  rec::Unit NUMINCR;    // "IMOUT/NUM-INCR.OUT": NINCR
  rec::Unit MODBASE;    // "IMOUT/MODBASE.OUT": BM
  rec::Unit OBSBASE;    // "IMOUT/OBSBASE.OUT": OBS
  rec::Unit ABSOBS;     // "IMOUT/ABS-OBS.OUT": NO
  rec::Unit ABSMOD;     // "IMOUT/ABS-MOD.OUT": NM
  rec::Unit GHANDAER;   // "IMOUT/GHANDAER.OUT": T
  rec::Unit AEROSOL;    // "IMOUT/AEROSOL.OUT": A
  rec::Unit NORMDEL;    // "IMOUT/NORMDEL.OUT": XM
  rec::Unit ERROR;      // "IMOUT/ERROR.OUT": ERRFLD
  rec::Unit TDEL2USE;   // "TESSERA/DEL2USE.OUT": dump of D
  rec::Unit TIMSNR;     // "TESSERA/IM-SNR.OUT": dump of SNR
  rec::Unit TPROBINCR;  // "TESSERA/PROBINCR.OUT": dump of PROB
  rec::Unit TMODBASE;   // "TESSERA/MODBASE.OUT": dump of BM
  rec::Unit TOBSBASE;   // "TESSERA/OBSBASE.OUT": dump of OBS
  rec::Unit TABSOBS;    // "TESSERA/ABS-OBS.OUT": dump of NO
  rec::Unit TABSMOD;    // "TESSERA/ABS-MOD.OUT": dump of NM
  rec::Unit TERROR;     // "TESSERA/ERROR.OUT": dump of ERRFLD, or of DRIFT when IBOTH = 1
};

// Each output file with its unit, in the order of creation: the one list
// that creates the files and removes an earlier run's.
struct XmOutputFile {
  const char* name;
  rec::Unit XmOutputs::*unit;
};
inline constexpr XmOutputFile XM_OUTPUT_FILES[] = {
    {AREAAVES_FILE, &XmOutputs::AREAAVES}, {IMFIELDS_FILE, &XmOutputs::IMFIELDS},
    {IMCORRS_FILE, &XmOutputs::IMCORRS},   {IMFILES_FILE, &XmOutputs::IMFILES},
    {VALIDN_FILE, &XmOutputs::VALIDN},     {DRIFT_FILE, &XmOutputs::DRIFT},
    {GHGDELTA_FILE, &XmOutputs::GHGDELTA}, {INTERSD_FILE, &XmOutputs::INTERSD},
    {IMSNR_FILE, &XmOutputs::IMSNR},       {PROBINCR_FILE, &XmOutputs::PROBINCR},
    {NUMINCR_FILE, &XmOutputs::NUMINCR},   {MODBASE_FILE, &XmOutputs::MODBASE},
    {OBSBASE_FILE, &XmOutputs::OBSBASE},   {ABSOBS_FILE, &XmOutputs::ABSOBS},
    {ABSMOD_FILE, &XmOutputs::ABSMOD},     {GHANDAER_FILE, &XmOutputs::GHANDAER},
    {AEROSOL_FILE, &XmOutputs::AEROSOL},   {NORMDEL_FILE, &XmOutputs::NORMDEL},
    {ERROR_FILE, &XmOutputs::ERROR},       {TDEL2USE_FILE, &XmOutputs::TDEL2USE},
    {TIMSNR_FILE, &XmOutputs::TIMSNR},     {TPROBINCR_FILE, &XmOutputs::TPROBINCR},
    {TMODBASE_FILE, &XmOutputs::TMODBASE}, {TOBSBASE_FILE, &XmOutputs::TOBSBASE},
    {TABSOBS_FILE, &XmOutputs::TABSOBS},   {TABSMOD_FILE, &XmOutputs::TABSMOD},
    {TERROR_FILE, &XmOutputs::TERROR},
};

// Every file a run may write: the output files and the crash file.
std::vector<std::string> output_file_names();

// Removes every file of an earlier run that this run may write (so that a
// run that fails leaves none beside its own partial files), creates IMOUT/
// and TESSERA/ when missing, then the output files in the order above.
void create_outputs(XmOutputs& out);

// The fatal configuration (no model and no aerosols): "IMOUT/CRASH.OUT"
// with its one message; the other files stay empty.
void write_crash_file();

// H-var (docs/design/pattern-scaling.md): the model count, variable and season.
void write_variable_header(rec::Unit& out, const eng::EngineConfig& c);

// The run headers, file by file in the order of creation; each file gets its
// own subset of the header lines, the TESSERA dumps none.
void write_run_headers(XmOutputs& out, const XmState& s);

}  // namespace xm
