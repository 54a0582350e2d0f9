// The climate model's configuration items: the one table of the five
// configuration files, record by record, with each item's type, unit,
// default, accepted values, meaning and literature source. The readers,
// the start-up checks, the front end's settings file and its writer, the
// ensemble and the documentation of the items all read this table.
#pragma once

#include <limits>
#include <span>
#include <string>
#include <string_view>

#include "orvtar/physics/state.h"

namespace orv {

// The five configuration files, in the order the model reads them.
enum class ConfigFile { User, Gas, Mod, Run, Xtra };
inline constexpr ConfigFile CONFIG_FILES[] = {ConfigFile::User, ConfigFile::Gas, ConfigFile::Mod,
                                              ConfigFile::Run, ConfigFile::Xtra};

// "ORVUSER.CFG" ...
std::string_view file_name(ConfigFile file);

enum class ItemType { Integer, Real };

// No bound on that side.
inline constexpr double NO_BOUND = std::numeric_limits<double>::quiet_NaN();

// The values an item accepts: from `min` (above it when `above_min`) up to
// `max`; either end may be open.
struct Accepted {
  double min = NO_BOUND;
  double max = NO_BOUND;
  bool above_min = false;
};

struct ConfigItem {
  ConfigFile file;
  int record;                  // position in the file, from 1
  std::string_view name;       // LEVCO2 ...
  ItemType type;
  int OrvState::*integer;      // where an Integer item lives in the model state
  float OrvState::*real;       // where a Real item lives
  std::string_view unit;       // "degC", "cm**2/s"; empty for switches, cases and ratios
  std::string_view default_value;  // as written in the bundled default files
  Accepted accepted;
  std::string_view meaning;
  std::string_view source;     // literature source of the default, or why it was chosen
  std::string_view reason;     // why the accepted values end where they do; may be empty

  // The record's format: the value in columns 1 to 10, a comment after it.
  std::string_view record_format() const { return type == ItemType::Integer ? "(I10)" : "(F10.0)"; }
};

// Every item of the five files, file by file in reading order, records in
// order.
std::span<const ConfigItem> config_items();

// The item of that name (case as in the table), or nullptr.
const ConfigItem* find_config_item(std::string_view name);

// The item's value in the state, as a double (exact for both types).
double value_of(const OrvState& s, const ConfigItem& item);

// Sets the item in the state; a Real item takes the nearest float.
void set_value(OrvState& s, const ConfigItem& item, double value);

// Whether `value` lies within the item's accepted values.
bool accepts(const ConfigItem& item, double value);

// The accepted values in words: "an integer from 1 to 4", "a number above
// 0 up to 20 degC", "a number of at least 0.02 yr".
std::string accepted_text(const ConfigItem& item);

}  // namespace orv
