// Which configuration items an ensemble may vary, and how: the items it
// refuses and why, the switches under which an item acts, and the default
// distributions of the model's main uncertainties (their literature is in
// data/README.md).
#pragma once

#include <span>
#include <string_view>

namespace ens {

// Why an ensemble cannot vary `item`, or "" when it can.
std::string_view refusal_reason(std::string_view item);

// An item that acts only when a switch has a given value.
struct SwitchNeed {
  std::string_view item;
  std::string_view switch_item;
  int value;
  // Whether the ensemble sets the switch itself when the settings leave it
  // at its default; otherwise the settings must set it.
  bool set_by_ensemble;
};

// The switch `item` acts under, or nullptr.
const SwitchNeed* switch_need(std::string_view item);

struct DefaultUncertainty {
  std::string_view item;
  std::string_view distribution;  // as the settings file writes it
  std::string_view source;        // in brief; data/README.md has the whole reasoning
};

// The default distributions, in the order of the item table.
std::span<const DefaultUncertainty> default_uncertainties();

}  // namespace ens
