#include "engines/crossmod/run.h"

#include <memory>

#include "engines/common/scaling.h"
#include "engines/crossmod/area_stats.h"
#include "engines/crossmod/areaaves_report.h"
#include "engines/crossmod/correlations.h"
#include "engines/crossmod/drift.h"
#include "engines/crossmod/field_reports.h"
#include "engines/crossmod/gridpoint_stats.h"
#include "engines/crossmod/inputs.h"
#include "engines/crossmod/outputs.h"
#include "engines/crossmod/result_check.h"
#include "engines/crossmod/scaled_fields.h"
#include "engines/crossmod/validation.h"

namespace xm {

void run() {
  // The field store is a few megabytes: too large for the stack.
  auto state = std::make_unique<XmState>();
  XmState& s = *state;
  XmOutputs out;

  create_outputs(out);
  eng::grid_tables();
  if (!eng::read_crossmod_config(s.cfg)) {
    write_crash_file();
    return;
  }
  if (s.cfg.IMASK != 0) s.maskfile = eng::read_mask(s.cfg, out.IMFILES);
  s.weights = eng::read_weights(s.cfg, out.IMFILES);
  s.DTGHG = eng::choose_DTGHG(s.cfg, s.weights);

  write_run_headers(out, s);
  s.area = eng::select_area(s.cfg, s.maskfile);
  eng::write_mask_map(out.IMFILES, s.maskfile, s.area);

  // Every result is computed and checked before any is written, so that a
  // run refused for a value its field cannot hold leaves no result file
  // looking complete. The readers log to IMFILES.OUT as they go.
  read_change_files(s, out.IMFILES);
  gridpoint_statistics(s);
  case_area_statistics(s);
  read_aerosol_file(s, out.IMFILES);
  scaled_changes(s);
  read_baseline_files(s, out.IMFILES);
  read_observed_file(s, out.IMFILES);
  baseline_fields(s);
  new_climates(s);
  baseline_area_statistics(s);
  model_mean_area_averages(s);
  validate(s);
  // The drift and the correlations work on the case fields as read.
  read_change_files(s, out.IMFILES);
  if (s.cfg.IDEF == 3) model_mean_drift(s);
  check_results(s);

  write_case_averages(out.AREAAVES, s);
  write_change_tables(out, s);
  write_baseline_averages(out.AREAAVES, s);
  write_model_mean_averages(out.AREAAVES, s);
  write_baseline_tables(out, s);
  write_validation(out.VALIDN, s);
  if (s.cfg.IDEF == 3) write_drift_tables(out, s);
  write_correlations(out.IMCORRS, s);
}

}  // namespace xm
