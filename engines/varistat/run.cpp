#include "engines/varistat/run.h"

#include <memory>

#include "engines/common/scaling.h"
#include "engines/varistat/correlations.h"
#include "engines/varistat/inputs.h"
#include "engines/varistat/outputs.h"
#include "engines/varistat/result_check.h"
#include "engines/varistat/result_tables.h"
#include "engines/varistat/statistics.h"

namespace vs {

void run() {
  // The field store is a few megabytes: too large for the stack.
  auto state = std::make_unique<VsState>();
  VsState& s = *state;
  VsOutputs out;

  rec::Unit shell("SHELL.CFG", rec::Status::Old);
  create_outputs(out);
  eng::read_varistat_config(shell, s.cfg);
  if (s.cfg.NOMODS == 1) s.MISSFLD.fill(MISSING);

  if (s.cfg.IMASK != 0) s.maskfile = eng::read_mask(s.cfg, out.SDFILES);
  s.weights = eng::read_weights(s.cfg, out.SDFILES);
  s.DTGHG = eng::choose_DTGHG(s.cfg, s.weights);  // ISULF is 0: the GLOBAL column

  write_run_headers(out, s);
  s.area = eng::select_area(s.cfg, s.maskfile);
  eng::write_mask_map(out.SDFILES, s.maskfile, s.area);

  read_sd_changes(s, out.SDFILES);
  average_sd_changes(s);
  read_mean_changes(s, out.SDFILES);
  read_baseline_sds(s, out.SDFILES);
  read_baseline_means(s, out.SDFILES);
  remaining_statistics(s);
  // Every result field is checked before any is written.
  check_results(s);
  write_result_tables(out, s);

  // The correlations work on the unscaled case fields as read.
  read_sd_changes(s, out.SDFILES);
  write_intermodel_correlations(out.SDCORRS, s);
  write_output_field_correlations(out.SDFIELDS, s);
}

}  // namespace vs
