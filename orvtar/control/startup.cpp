#include "orvtar/control/startup.h"

#include "orvtar/control/config.h"
#include "orvtar/control/emissions.h"
#include "orvtar/control/inputs.h"

namespace orv {

void startup(OrvState& s, rec::Unit& report) {
  read_co2hist(s);

  // Emptied at once, so that a run that stops before its first line leaves
  // an empty report rather than an old one.
  report.open("ORV.OUT", rec::Status::Output);

  read_config_files(s, report);
  check_config(s);

  apply_r1(s);
  read_qhalos(s);
  apply_r2_to_r9(s, report);
  check_user_carbon_cycle(s);

  if (s.ICO2CONC >= 1) read_co2input(s);
  if (s.IQEXTRA >= 1) read_qextra(s);
  read_gasemk(s);
}

}  // namespace orv
