#include "engines/varistat/outputs.h"

#include "engines/common/output_dirs.h"
#include "engines/common/run_headers.h"
#include "records/earlier_outputs.h"

namespace vs {

std::vector<std::string> output_file_names() {
  std::vector<std::string> names;
  for (const VsOutputFile& f : VS_OUTPUT_FILES) names.emplace_back(f.name);
  return names;
}

void create_outputs(VsOutputs& out) {
  rec::remove_earlier_outputs(output_file_names());
  eng::ensure_directory("SDOUT");
  eng::ensure_directory("TESSERA");
  for (const VsOutputFile& f : VS_OUTPUT_FILES) (out.*f.unit).open(f.name, rec::Status::Output);
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
