#include "orvtar/control/run_driver.h"

#include <cstdio>

#include "orvtar/control/display_files.h"
#include "orvtar/control/drive_files.h"
#include "orvtar/control/emissions.h"
#include "orvtar/control/report_carbon_cycle.h"
#include "orvtar/control/report_changes.h"
#include "orvtar/control/report_concentrations.h"
#include "orvtar/control/report_date.h"
#include "orvtar/control/report_emissions.h"
#include "orvtar/control/report_forcing.h"
#include "orvtar/control/report_head.h"
#include "orvtar/control/report_simulation_head.h"
#include "orvtar/control/report_temperature_table.h"
#include "orvtar/control/result_stores.h"
#include "orvtar/control/startup.h"
#include "orvtar/physics/climate_model.h"
#include "orvtar/physics/land_ocean_feedback.h"
#include "records/record_io.h"

namespace orv {

namespace {

// The SO2 emissions of the simulation's SO2 case, 1990 to one year past
// the end.
void set_so2_case(OrvState& s) {
  for (int i = 226; i <= s.NYEND + 1; ++i) {
    switch (s.ISO2CASE) {
      case 1: s.SO2[i] = s.SO2TOT[i]; break;
      case 2: s.SO2[i] = s.ES1990; break;
      case 3: s.SO2[i] = s.SO2REG1[i]; break;
      case 4: s.SO2[i] = s.SO2REG2[i]; break;
      case 5: s.SO2[i] = s.SO2REG3[i]; break;
      default: break;
    }
  }
}

}  // namespace

void set_up_simulation(OrvState& s) {
  // Simulations 1-4 have full SO2, 5-8 SO2 constant after 1990, then one
  // SO2 region each; the parameter set cycles LOW, MID, HIGH, USER.
  s.ISO2CASE = static_cast<int>((static_cast<float>(s.NSIM) - 0.1f) / 4.0f) + 1;
  s.ICASE = s.NSIM;
  for (int threshold : {5, 9, 13, 17})
    if (s.NSIM >= threshold) s.ICASE -= 4;
  if (s.IRUNMODE == 9) s.ICASE = 4;

  set_so2_case(s);
  s.DT2X = s.ICASE == 4 ? s.DT2XUSER : DT2XSET[s.ICASE];
  if (s.IDIFFL == 1 && !LOFEED(s, s.Q2X, s.FL[1], s.FL[2], s.XKLO, s.XKNS, s.DT2X, s.RLO)) {
    // The report prints RLO as configured; say that it was not reached.
    std::fprintf(stderr,
                 "orvtar: warning: simulation %d: no land and ocean feedback parameters give the "
                 "land/ocean warming ratio RLO = %.3f with DT2X = %.3f and XKLO = %.3f; the "
                 "simulation uses XLAML = %.4f, XLAMO = %.4f\n",
                 s.NSIM, static_cast<double>(s.RLO), static_cast<double>(s.DT2X),
                 static_cast<double>(s.XKLO), static_cast<double>(s.XLAML), static_cast<double>(s.XLAMO));
  }
  s.XLAM = s.Q2X / s.DT2X;
  CLIMSET(s);
}

void keep_first_aerosol(OrvState& s) {
  for (int i = 1; i <= s.NYEND; ++i) {
    s.QAERKEEP[i] = s.QAER[i];
    s.QAERDIRKEEP[i] = s.QAERDIR[i];
  }
}

namespace {

void run_simulation(OrvState& s, rec::Unit& report) {
  set_up_simulation(s);
  write_simulation_head(report, s);
  CLIMRUN(s);

  // Every simulation's forcing tables show the aerosol forcing of the first.
  if (s.NSIM == 1) keep_first_aerosol(s);

  write_1880_1990_changes(report, s);
  write_temperature_table(report, s);
  keep_results(s);
  write_emissions_table(report, s);
  write_carbon_cycle_table(report, s);
  write_concentration_table(report, s);
  write_forcing_tables(report, s);
}

}  // namespace

void prepare_run(OrvState& s) {
  s.ICASE = 1;
  CLIMSET(s);
  extend_emissions(s);
}

void run(OrvState& s) {
  rec::Unit report;
  startup(s, report);
  write_report_head(report, s, report_date());
  prepare_run(s);
  write_report_head_forcing(report, s);

  for (s.NSIM = 1; s.NSIM <= s.NSIMS; ++s.NSIM) {
    run_simulation(s, report);
    if (s.NSIM == 4 || s.IRUNMODE == 9) {
      write_concs_dis(s);
      write_forcings_dis(s);
    }
  }

  if (s.IRUNMODE == 1) write_drive_files(s);
  write_temps_dis(s);
  write_sealev_dis(s);
  write_emiss_dis(s);
  report.close();
}

}  // namespace orv
