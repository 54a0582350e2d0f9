// The five configuration files of the climate model and the settings derived
// from them. Each file is read record by record in the order of the item
// table (config_items.h); the settings derived from a file follow right
// after it. The same derived steps complete a configuration set in memory,
// so that a front end or an ensemble gets exactly what the model would.
#pragma once

#include <string>

#include "orvtar/control/config_items.h"
#include "orvtar/physics/state.h"
#include "records/record_io.h"

namespace orv {

// Reads the items of one file into the state, as written (no derived step).
void read_config_file(OrvState& s, ConfigFile file, const std::string& path);

// The settings derived after `file` is read (docs/design/configuration.md):
//   ORVUSER.CFG  U1 (last year at most 2504)
//   ORVGAS.CFG   G1 to G6 (G6 writes its reset line to the report)
//   ORVMOD.CFG   M1 to M5
//   ORVXTRA.CFG  X1
// A null report receives no line.
void derive_after(ConfigFile file, OrvState& s, rec::Unit* report);

// The five files of the working directory in order, each followed by its
// derived settings.
void read_config_files(OrvState& s, rec::Unit& report);

// The derived settings of all five files in order, for items set in memory.
void derive_settings(OrvState& s, rec::Unit* report);

// A setting the model cannot run with. The message names the file, the
// record and the accepted values; `item` lets a front end point at its own
// line instead.
class ConfigError : public rec::Error {
 public:
  ConfigError(const ConfigItem& item, const std::string& what);
  const ConfigItem& item;
  const std::string problem;  // the message without the file and record
};

// After the derived settings: every item within its accepted values (after
// the resets of the derived steps), and the combinations the model needs
// (a positive LOW CH4 lifetime). Throws ConfigError.
void check_config(const OrvState& s);

// After R9 (docs/design/configuration.md) has settled D80SIN: rejects a USER carbon cycle (LEVCO2 = 4)
// whose 1990 gross deforestation is not above zero, since the biomass
// aerosol forcing is divided by it. Throws ConfigError.
void check_user_carbon_cycle(const OrvState& s);

// R1 (docs/design/configuration.md): the 1990 aerosol forcings of the LEVSO4 case and XKH.
void apply_r1(OrvState& s);

// R2 to R9 (docs/design/configuration.md): number of simulations, land/ocean case, IMETH, DT limit, CO2
// doubling forcing, ocean fractions, FK, and the D80SIN limits, whose reset
// lines go to the report (none when it is null).
void apply_r2_to_r9(OrvState& s, rec::Unit* report);

}  // namespace orv
