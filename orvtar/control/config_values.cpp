#include "orvtar/control/config_values.h"

#include <array>
#include <climits>
#include <cmath>
#include <stdexcept>
#include <memory>
#include <string_view>

#include "orvtar/control/config.h"
#include "records/record_io.h"

namespace orv {

namespace {

// A default as the model would read it from its record.
double read_default(const ConfigItem& item) {
  const std::array<std::string_view, 1> record{item.default_value};
  if (item.type == ItemType::Integer) {
    int v = 0;
    const rec::In in[] = {v};
    rec::parse_records(record, item.record_format(), in, "the item table", item.record);
    return v;
  }
  float v = 0;
  const rec::In in[] = {v};
  rec::parse_records(record, item.record_format(), in, "the item table", item.record);
  return v;
}

}  // namespace

ConfigValues::ConfigValues() {
  for (const ConfigItem& item : config_items()) values_.push_back(read_default(item));
}

ConfigValues ConfigValues::read(const std::string& dir) {
  // The readers fill a model state; the values are taken from it before
  // any derived setting.
  auto s = std::make_unique<OrvState>();
  for (ConfigFile file : CONFIG_FILES)
    read_config_file(*s, file, (dir.empty() ? "" : dir + "/") + std::string(file_name(file)));
  ConfigValues v;
  for (const ConfigItem& item : config_items()) v.values_[index(item)] = value_of(*s, item);
  return v;
}

void ConfigValues::set(const ConfigItem& item, double value) {
  if (!std::isfinite(value) ||
      (item.type == ItemType::Integer && (value < INT_MIN || value > INT_MAX)))
    throw std::invalid_argument(std::string(item.name) + " = " + std::to_string(value) +
                                ": not a value the item can hold");
  values_[index(item)] = item.type == ItemType::Integer ? static_cast<double>(static_cast<int>(value))
                                                        : static_cast<double>(static_cast<float>(value));
}

void ConfigValues::apply_to(OrvState& s) const {
  for (const ConfigItem& item : config_items()) set_value(s, item, values_[index(item)]);
}

std::size_t ConfigValues::index(const ConfigItem& item) {
  return static_cast<std::size_t>(&item - config_items().data());
}

}  // namespace orv
