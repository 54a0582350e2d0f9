#include "ensemble/parameter_draws.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "ensemble/latin_hypercube.h"

namespace ens {

ParameterDraws draw_parameters(const EnsembleSpec& spec, std::size_t first, std::size_t last) {
  if (first > last || last > spec.members)
    throw std::invalid_argument("draw_parameters: members " + std::to_string(first) + " to " + std::to_string(last) +
                                " of an ensemble of " + std::to_string(spec.members));
  ParameterDraws d;
  d.first = first;
  d.last = last;
  const std::size_t dims = spec.varied.size();
  d.values.resize((last - first) * dims);
  for (std::size_t j = 0; j < dims; ++j) {
    const VariedItem& v = spec.varied[j];
    d.items.push_back(v.item);
    // The whole column is drawn: a member's stratum depends on the others'.
    const std::vector<double> u = latin_hypercube_column(spec.members, spec.seed, v.item->name);
    for (std::size_t k = first; k < last; ++k) {
      const double x = v.distribution.quantile(u[k]);
      d.values[(k - first) * dims + j] =
          v.item->type == orv::ItemType::Integer ? std::trunc(x) : static_cast<double>(static_cast<float>(x));
    }
  }
  return d;
}

}  // namespace ens
