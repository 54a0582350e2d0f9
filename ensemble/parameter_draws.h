// The parameters of the members: the Latin hypercube of the seed, one
// dimension per varied item, turned into values by each item's
// distribution. Member k's parameters depend on the seed, the varied items,
// their distributions, the number of members and k alone, so that a block of
// members drawn in one process has the same parameters as in a run of the
// whole ensemble, however the members are spread over threads or processes.
#pragma once

#include <cstddef>
#include <vector>

#include "ensemble/ensemble_spec.h"
#include "orvtar/control/config_items.h"

namespace ens {

// The parameters of members [first, last) of an ensemble.
struct ParameterDraws {
  std::size_t first = 0, last = 0;            // member numbers, from 0
  std::vector<const orv::ConfigItem*> items;  // the varied items, in the ensemble's order
  // Member-major: values[(k - first) * items.size() + d], each as the model
  // holds it (a real item in single precision, an integer item whole).
  std::vector<double> values;

  double at(std::size_t member, std::size_t d) const { return values[(member - first) * items.size() + d]; }
};

// Members [first, last) of `spec` (last <= spec.members); all of them by
// default.
ParameterDraws draw_parameters(const EnsembleSpec& spec, std::size_t first, std::size_t last);
inline ParameterDraws draw_parameters(const EnsembleSpec& spec) { return draw_parameters(spec, 0, spec.members); }

}  // namespace ens
