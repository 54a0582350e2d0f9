// Start-up of a climate model run: the configuration with its derived
// settings and checks, and the data files under those settings, from files
// or from memory alike.
#pragma once

#include <memory>
#include <string_view>

#include "orvtar/control/run_source.h"
#include "orvtar/physics/state.h"
#include "records/record_io.h"

namespace orv {

// The report, which orvtar's start-up creates.
inline constexpr std::string_view REPORT_NAME = "ORV.OUT";

// After the CO2 history (labels: docs/design/configuration.md): the configuration of `src` with its derived
// settings (reset lines to the report when there is one) and checks; R1,
// the halocarbon forcing, R2 to R9; the prescribed CO2 and extra forcing
// when switched on, and the emissions profile with its annual series.
// Failures throw rec::Error (ConfigError for a setting).
void load_run(OrvState& s, RunSource& src, rec::Unit* report);

// The checks of start-up on configuration values alone (the derived
// settings, every item's accepted values and their combinations), before
// any data is read: what a front end or an ensemble runs to refuse a
// setting before anything runs. Throws ConfigError.
void check_configuration(const ConfigValues& values);

// orvtar's start-up in the working directory: removes the report and
// display files of an earlier run; reads co2hist.IN; creates the report
// ORV.OUT into `report` (kept open for the rest of the run); then load_run
// from the files of `src`, removing the drive files of an earlier run as
// soon as the checked configuration says that this run writes them
// (stale_outputs.h).
void startup(OrvState& s, rec::Unit& report, RunSource& src);
void startup(OrvState& s, rec::Unit& report);

// A state ready to simulate (simulation.h) from the configuration and data
// of `src`: start-up without a report, then the gas cycles of 1765 and the
// extended emissions. Nothing is written.
std::unique_ptr<OrvState> prepare_model(RunSource& src);

}  // namespace orv
