#include "orvtar/control/run_driver.h"

#include <memory>
#include <vector>

#include "orvtar/control/display_files.h"
#include "orvtar/control/drive_files.h"
#include "orvtar/control/report_carbon_cycle.h"
#include "orvtar/control/report_changes.h"
#include "orvtar/control/report_concentrations.h"
#include "orvtar/control/report_date.h"
#include "orvtar/control/report_emissions.h"
#include "orvtar/control/report_forcing.h"
#include "orvtar/control/report_head.h"
#include "orvtar/control/report_simulation_head.h"
#include "orvtar/control/report_temperature_table.h"
#include "orvtar/control/result_check.h"
#include "orvtar/control/result_stores.h"
#include "orvtar/control/simulation.h"
#include "orvtar/control/simulation_pool.h"
#include "orvtar/control/startup.h"
#include "records/record_io.h"

namespace orv {

namespace {

// The report sections of one simulation, from its final state.
void write_simulation_sections(rec::Unit& report, const OrvState& s) {
  write_simulation_head(report, s);
  write_1880_1990_changes(report, s);
  write_temperature_table(report, s);
  write_emissions_table(report, s);
  write_carbon_cycle_table(report, s);
  write_concentration_table(report, s);
  write_forcing_tables(report, s);
}

}  // namespace

void run() {
  auto prepared = std::make_unique<OrvState>();
  rec::Unit report;
  startup(*prepared, report);
  write_report_head(report, *prepared, report_date());
  prepare_run(*prepared);
  write_report_head_forcing(report, *prepared);

  const OrvState& run = *prepared;
  auto stores = std::make_unique<ResultStores>();
  // Every simulation's forcing tables show the aerosol forcing of the first.
  std::vector<float> kept_total, kept_direct;
  // The display files are written only once every simulation has passed
  // its check; concs.dis and forcings.dis show the USER set's simulation.
  SimulationResult last, shown;
  SimulationPool pool(run, worker_count(run.NSIMS));
  for (int NSIM = 1; NSIM <= run.NSIMS; ++NSIM) {
    std::unique_ptr<OrvState> s = pool.take(NSIM);
    if (NSIM == 1) {
      kept_total.assign(s->QAER, s->QAER + run.NYEND + 1);
      kept_direct.assign(s->QAERDIR, s->QAERDIR + run.NYEND + 1);
    }
    for (int i = 1; i <= run.NYEND; ++i) {
      s->QAERKEEP[i] = kept_total[static_cast<std::size_t>(i)];
      s->QAERDIRKEEP[i] = kept_direct[static_cast<std::size_t>(i)];
    }
    last = result_of(*s);
    check_result(last, NSIM, run);
    write_simulation_sections(report, *s);
    keep_results(*stores, last, NSIM, run);
    if (NSIM == 4 || run.IRUNMODE == 9) shown = last;
    pool.give_back(std::move(s));
  }

  write_concs_dis(run, shown);
  write_forcings_dis(run, shown);
  if (writes_drive_files(run.IRUNMODE)) write_drive_files(run, *stores);
  write_temps_dis(run, *stores);
  write_sealev_dis(run, *stores);
  write_emiss_dis(run, last);
  report.close();
}

}  // namespace orv
