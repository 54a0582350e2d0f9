// The twelve output files of varistat, created at start-up and open until
// the run ends, and the run headers written to them.
#pragma once

#include <string>
#include <vector>

#include "engines/varistat/state.h"
#include "records/record_io.h"

namespace vs {

// The names of the output files (read back by results/).
inline constexpr const char* SDFIELDS_FILE = "SDOUT/SDFIELDS.OUT";
inline constexpr const char* SDCORRS_FILE = "SDOUT/SDCORRS.OUT";
inline constexpr const char* SDFILES_FILE = "SDOUT/SDFILES.OUT";
inline constexpr const char* GHGDELTA_FILE = "SDOUT/GHGDELTA.OUT";
inline constexpr const char* BASESD_FILE = "SDOUT/BASE-SD.OUT";
inline constexpr const char* DELTASD_FILE = "SDOUT/DELTA-SD.OUT";
inline constexpr const char* BAROFSNR_FILE = "SDOUT/BAROFSNR.OUT";
inline constexpr const char* SNROFBAR_FILE = "SDOUT/SNROFBAR.OUT";
inline constexpr const char* INTERSNR_FILE = "SDOUT/INTERSNR.OUT";
inline constexpr const char* TBASESD_FILE = "TESSERA/BASE-SD.OUT";
inline constexpr const char* TDELTASD_FILE = "TESSERA/DELTA-SD.OUT";
inline constexpr const char* TBAROFSNR_FILE = "TESSERA/BAROFSNR.OUT";

struct VsOutputs {
  rec::Unit SDFIELDS;    // "SDOUT/SDFIELDS.OUT": the six result tables, output-field correlations
  rec::Unit SDCORRS;     // "SDOUT/SDCORRS.OUT": inter-model pattern correlations
  rec::Unit SDFILES;     // "SDOUT/SDFILES.OUT": the run log
  rec::Unit GHGDELTA;    // "SDOUT/GHGDELTA.OUT": DELMEAN
  rec::Unit BASESD;      // "SDOUT/BASE-SD.OUT": BASESD
  rec::Unit DELTASD;     // "SDOUT/DELTA-SD.OUT": DELSD
  rec::Unit BAROFSNR;    // "SDOUT/BAROFSNR.OUT": BARSNR
  rec::Unit SNROFBAR;    // "SDOUT/SNROFBAR.OUT": SNRBAR
  rec::Unit INTERSNR;    // "SDOUT/INTERSNR.OUT": IMSNR
  rec::Unit TBASESD;     // "TESSERA/BASE-SD.OUT": BASESD dump
  rec::Unit TDELTASD;    // "TESSERA/DELTA-SD.OUT": DELSD dump
  rec::Unit TBAROFSNR;   // "TESSERA/BAROFSNR.OUT": BARSNR dump
};

// Each output file with its unit, in the order of creation: the one list
// that creates the files and removes an earlier run's.
struct VsOutputFile {
  const char* name;
  rec::Unit VsOutputs::*unit;
};
inline constexpr VsOutputFile VS_OUTPUT_FILES[] = {
    {SDFIELDS_FILE, &VsOutputs::SDFIELDS}, {SDCORRS_FILE, &VsOutputs::SDCORRS},
    {SDFILES_FILE, &VsOutputs::SDFILES},   {GHGDELTA_FILE, &VsOutputs::GHGDELTA},
    {BASESD_FILE, &VsOutputs::BASESD},     {DELTASD_FILE, &VsOutputs::DELTASD},
    {BAROFSNR_FILE, &VsOutputs::BAROFSNR}, {SNROFBAR_FILE, &VsOutputs::SNROFBAR},
    {INTERSNR_FILE, &VsOutputs::INTERSNR}, {TBASESD_FILE, &VsOutputs::TBASESD},
    {TDELTASD_FILE, &VsOutputs::TDELTASD}, {TBAROFSNR_FILE, &VsOutputs::TBAROFSNR},
};

// Every file a run may write: the twelve output files.
std::vector<std::string> output_file_names();

// Removes every file of an earlier run that this run may write (so that a
// run that fails leaves none beside its own partial files; crossmod's files
// in TESSERA/ stay), creates SDOUT/ and TESSERA/ when missing, then the
// twelve files in the order above.
void create_outputs(VsOutputs& out);

// The run headers (docs/design/variability.md), file by file in the order of
// creation: H1 (scaling line), H2 (definition mode and cases), H3 (parameter
// set, scenario, year), H4 (the warming DTGHG) and H5 (model labels), each
// file getting its own subset; the TESSERA dumps get none.
void write_run_headers(VsOutputs& out, const VsState& s);

}  // namespace vs
