#include "engines/varistat/outputs.h"

#include "engines/common/output_dirs.h"
#include "engines/common/run_headers.h"

namespace vs {

void create_outputs(VsOutputs& out) {
  eng::ensure_directory("SDOUT");
  eng::ensure_directory("TESSERA");
  out.SDFIELDS.open(SDFIELDS_FILE, rec::Status::Output);
  out.SDCORRS.open(SDCORRS_FILE, rec::Status::Output);
  out.SDFILES.open(SDFILES_FILE, rec::Status::Output);
  out.GHGDELTA.open(GHGDELTA_FILE, rec::Status::Output);
  out.BASESD.open(BASESD_FILE, rec::Status::Output);
  out.DELTASD.open(DELTASD_FILE, rec::Status::Output);
  out.BAROFSNR.open(BAROFSNR_FILE, rec::Status::Output);
  out.SNROFBAR.open(SNROFBAR_FILE, rec::Status::Output);
  out.INTERSNR.open(INTERSNR_FILE, rec::Status::Output);
  out.TBASESD.open(TBASESD_FILE, rec::Status::Output);
  out.TDELTASD.open(TDELTASD_FILE, rec::Status::Output);
  out.TBAROFSNR.open(TBAROFSNR_FILE, rec::Status::Output);
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
