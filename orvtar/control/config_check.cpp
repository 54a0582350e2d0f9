// Settings the model cannot run with: every item outside its accepted
// values (the item table says which and why) and the combinations that
// would leave a lifetime or a flux the model divides by at zero or below.
// Each is rejected with the file, the record and the accepted values.
#include <string>

#include "orvtar/control/config.h"
#include "orvtar/control/input_errors.h"
#include "orvtar/physics/carbon_cycle.h"

namespace orv {

ConfigError::ConfigError(const ConfigItem& it, const std::string& what)
    : rec::Error(rec::located(file_name(it.file), it.record, what)), item(it), problem(what) {}

namespace {

void need(bool ok, const char* name, const std::string& what) {
  if (!ok) throw ConfigError(*find_config_item(name), what);
}

}  // namespace

void check_config(const OrvState& s) {
  for (const ConfigItem& item : config_items()) {
    const double value = value_of(s, item);
    if (accepts(item, value)) continue;
    std::string what = std::string(item.name) + " = " + value_text(value) + "; expected " +
                       accepted_text(item);
    if (!item.reason.empty()) what += " (" + std::string(item.reason) + ")";
    throw ConfigError(item, what);
  }
  need(s.TAUCH4M - s.DTAUCH4 > 0.0f && s.TAUCH4M + s.DTAUCH4 > 0.0f, "DTAUCH4",
       "DTAUCH4 = " + value_text(s.DTAUCH4) +
           " leaves a LOW or HIGH CH4 lifetime of 0 or below; expected a half-range between "
           "-TAUCH4M and TAUCH4M (" + value_text(s.TAUCH4M) + ")");
}

void check_user_carbon_cycle(const OrvState& s) {
  if (s.LEVCO2 != 4) return;
  const float gross = GROSSD90_OF(s.D80SIN, s.FOC80SIN);
  need(gross > 0.0f, "FOC80SIN",
       "FOC80SIN = " + value_text(s.FOC80SIN) + " with D80SIN = " + value_text(s.D80SIN) +
           " gives the USER carbon cycle a 1990 gross deforestation of " + value_text(gross) +
           " GtC/yr; expected a value above 0 (the biomass aerosol forcing is scaled by it): "
           "lower FOC80SIN, or lower CCFB4 to raise D80SIN");
}

}  // namespace orv
