#include "engines/crossmod/inputs.h"

#include <string>

#include "engines/common/file_names.h"

namespace xm {

void read_change_files(XmState& s, rec::Unit& log) {
  log.write("(/,1X,'*** NORMALIZED MEAN STATE CHANGE FILES READ ***')");
  for (int k = 1; k <= s.cfg.NCASES; ++k) {
    const std::string name = eng::case_file_name(s.cfg, k, '1', '2');
    log.write("(1X,A46)", {name});
    eng::read_field(name, eng::Decode::Change, s.X[k]);
  }
}

void read_aerosol_file(XmState& s, rec::Unit& log) {
  const std::string name = eng::aerosol_file_name(s.cfg);
  log.write("(/,1X,'*** AEROSOL RESPONSE PATTERN FILE READ ***')");
  log.write("(1X,A42)", {name});
  eng::read_aerosol_patterns(name, s.P1, s.P2, s.P3);
}

void read_baseline_files(XmState& s, rec::Unit& log) {
  const eng::EngineConfig& c = s.cfg;
  log.write("(/,1X,'*** BASELINE MEAN STATE FILES READ ***')");
  for (int k = 1; k <= c.NMODIN; ++k) {
    const std::string name = eng::model_file_name(c.IMOD[k], '3', c.IVAR, c.ISEAS);
    log.write("(1X,A46)", {name});
    eng::read_field(name, eng::Decode::Change, s.B[k]);
  }
}

void read_observed_file(XmState& s, rec::Unit& log) {
  const std::string name = eng::observed_file_name(s.cfg);
  log.write("(/,1X,'*** OBSERVED DATA FILE READ ***')");
  log.write("(1X,A41)", {name});
  eng::read_field(name, eng::observed_decode(s.cfg), s.OBS);
}

}  // namespace xm
