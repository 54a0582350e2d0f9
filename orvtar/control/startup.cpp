#include "orvtar/control/startup.h"

#include <string>

#include "orvtar/control/config.h"
#include "orvtar/control/drive_files.h"
#include "orvtar/control/emissions.h"
#include "orvtar/control/inputs.h"
#include "orvtar/control/simulation.h"
#include "orvtar/control/stale_outputs.h"

namespace orv {

namespace {

// The configuration with its derived settings and checks.
void configure_run(OrvState& s, RunSource& src, rec::Unit* report) {
  src.configure(s, report);
  check_config(s);
}

// What follows the configuration: R1 to R9 and the data files.
void load_data(OrvState& s, RunSource& src, rec::Unit* report) {
  apply_r1(s);
  use_halocarbon_forcing(s, src.halocarbons(s.IHALO, s.IYEND));
  apply_r2_to_r9(s, report);
  check_user_carbon_cycle(s);

  if (s.ICO2CONC >= 1) use_prescribed_co2(s, src.prescribed_co2(s.IYEND));
  if (s.IQEXTRA >= 1) use_extra_forcing(s, src.extra_forcing());
  build_emissions(s, src.emissions());
}

}  // namespace

void load_run(OrvState& s, RunSource& src, rec::Unit* report) {
  configure_run(s, src, report);
  load_data(s, src, report);
}

void check_configuration(const ConfigValues& values) {
  auto s = std::make_unique<OrvState>();
  values.apply_to(*s);
  derive_settings(*s, nullptr);
  check_config(*s);
  apply_r1(*s);
  apply_r2_to_r9(*s, nullptr);
  check_user_carbon_cycle(*s);
}

void startup(OrvState& s, rec::Unit& report, RunSource& src) {
  // Before the first file is read: every run writes these.
  remove_outputs(WrittenBy::EveryRun);
  use_co2_history(s, src.co2_history());
  // Created at once, so that a run that stops before its first line leaves
  // an empty report.
  report.open(std::string(REPORT_NAME), rec::Status::Output);
  configure_run(s, src, &report);
  // Only now is the run mode known; a mode without drive files leaves those
  // of an earlier run alone.
  if (writes_drive_files(s.IRUNMODE)) remove_outputs(WrittenBy::DriveMode);
  load_data(s, src, &report);
}

void startup(OrvState& s, rec::Unit& report) {
  RunSource src = RunSource::files({});
  startup(s, report, src);
}

std::unique_ptr<OrvState> prepare_model(RunSource& src) {
  auto s = std::make_unique<OrvState>();
  use_co2_history(*s, src.co2_history());
  load_run(*s, src, nullptr);
  prepare_run(*s);
  return s;
}

}  // namespace orv
