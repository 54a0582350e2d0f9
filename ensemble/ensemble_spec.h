// What an ensemble is: how many members, the seed, the items it varies and
// their distributions, the switches it sets so that they act, and the
// observational constraint.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "ensemble/constraint.h"
#include "ensemble/distribution.h"
#include "orvtar/control/config_items.h"

namespace ens {

struct VariedItem {
  const orv::ConfigItem* item;
  Distribution distribution;  // cut to the item's accepted values
};

// A switch the ensemble sets for every member so that a varied item acts
// (LEVSO4 = 4 for QDIRU, ...).
struct ImpliedSetting {
  const orv::ConfigItem* item;
  double value;
  std::string_view because;  // the varied item that needs it
};

struct EnsembleSpec {
  std::size_t members = 1000;
  std::uint64_t seed = 1;
  std::vector<VariedItem> varied;  // in the order of the item table
  std::vector<ImpliedSetting> implied;
  bool constrained = true;
  Observation observation;
};

}  // namespace ens
