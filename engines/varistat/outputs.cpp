#include "engines/varistat/outputs.h"

#include "engines/common/output_dirs.h"
#include "engines/common/run_headers.h"

namespace vs {

void create_outputs(VsOutputs& out) {
  eng::ensure_directory("SDOUT");
  eng::ensure_directory("TESSERA");
  out.SDFIELDS.open("SDOUT/SDFIELDS.OUT", rec::Status::Output);
  out.SDCORRS.open("SDOUT/SDCORRS.OUT", rec::Status::Output);
  out.SDFILES.open("SDOUT/SDFILES.OUT", rec::Status::Output);
  out.GHGDELTA.open("SDOUT/GHGDELTA.OUT", rec::Status::Output);
  out.BASESD.open("SDOUT/BASE-SD.OUT", rec::Status::Output);
  out.DELTASD.open("SDOUT/DELTA-SD.OUT", rec::Status::Output);
  out.BAROFSNR.open("SDOUT/BAROFSNR.OUT", rec::Status::Output);
  out.SNROFBAR.open("SDOUT/SNROFBAR.OUT", rec::Status::Output);
  out.INTERSNR.open("SDOUT/INTERSNR.OUT", rec::Status::Output);
  out.TBASESD.open("TESSERA/BASE-SD.OUT", rec::Status::Output);
  out.TDELTASD.open("TESSERA/DELTA-SD.OUT", rec::Status::Output);
  out.TBAROFSNR.open("TESSERA/BAROFSNR.OUT", rec::Status::Output);
}

namespace {

// H1 to H5 (docs/design/variability.md).
void write_full_header(rec::Unit& f, const VsState& s) {
  eng::write_scaling_header(f, s.cfg);
  eng::write_definition_header(f, s.cfg);
  eng::write_run_header(f, s.cfg);
  f.write("(1X,'*** GLOBAL-MEAN Delta-T =',F7.3,' degC')", {s.DTGHG});
  eng::write_models_header(f, s.cfg);
}

// H1, H2 and H5 (docs/design/variability.md).
void write_short_header(rec::Unit& f, const VsState& s) {
  eng::write_scaling_header(f, s.cfg);
  eng::write_definition_header(f, s.cfg);
  eng::write_models_header(f, s.cfg);
}

}  // namespace

void write_run_headers(VsOutputs& out, const VsState& s) {
  write_full_header(out.SDFIELDS, s);
  write_short_header(out.SDCORRS, s);
  write_short_header(out.SDFILES, s);
  write_full_header(out.GHGDELTA, s);
  // The baseline S.D. does not depend on the cases, the scenario or the warming.
  eng::write_scaling_header(out.BASESD, s.cfg);
  eng::write_models_header(out.BASESD, s.cfg);
  write_full_header(out.DELTASD, s);
  write_full_header(out.BAROFSNR, s);
  write_full_header(out.SNROFBAR, s);
  write_full_header(out.INTERSNR, s);
}

}  // namespace vs
