// Values of every configuration item as written, before the derived
// settings: what a front end or an ensemble sets in memory, and what the
// model then completes exactly as it completes the files it reads.
#pragma once

#include <string>
#include <vector>

#include "orvtar/control/config_items.h"
#include "orvtar/physics/state.h"

namespace orv {

class ConfigValues {
 public:
  // The defaults of the item table, read as the model reads a record.
  ConfigValues();

  // The items of the five files in `dir` ("" is the working directory).
  static ConfigValues read(const std::string& dir);

  double operator[](const ConfigItem& item) const { return values_[index(item)]; }
  // An Integer item keeps the whole part, a Real item the nearest float;
  // a value the item cannot hold throws std::invalid_argument.
  void set(const ConfigItem& item, double value);

  // Every item into the state, as written (no derived setting).
  void apply_to(OrvState& s) const;

 private:
  static std::size_t index(const ConfigItem& item);
  std::vector<double> values_;
};

}  // namespace orv
