// A crossmod state holding hand-set cases, for the tests of the statistics
// computed from them.
#pragma once

#include <memory>

#include "engines/crossmod/state.h"

namespace xmtest {

// n cases of models 1 … n (definition mode 1, temperature, linear scaling,
// with aerosols) whose change fields hold `fill`.
inline std::unique_ptr<xm::XmState> cases(int n, double fill = 0.0) {
  auto s = std::make_unique<xm::XmState>();
  s->cfg.NMODS = s->cfg.NMODIN = s->cfg.NCASES = n;
  s->cfg.IDEF = 1;
  s->cfg.IVAR = 1;
  s->cfg.ISCALE = 1;
  s->cfg.ISULF = 1;
  for (int k = 1; k <= n; ++k) {
    s->cfg.IMOD[k] = k;
    s->X[k].fill(fill);
  }
  return s;
}

}  // namespace xmtest
