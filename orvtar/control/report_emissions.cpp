#include "orvtar/control/report_emissions.h"

#include "orvtar/control/report_common.h"

namespace orv {

namespace {

void write_header(rec::Unit& out) {
  out.write("(1X,'YEAR  EFOSS NETDEF     CH4    N2O',' SO2REG1 SO2REG2 SO2REG3  SO2TOT  YEAR')");
}

}  // namespace

void write_emissions_table(rec::Unit& out, const OrvState& s) {
  out.write("(1X,'  ')");
  out.write("(1X,'****************************************************')");
  out.write("(1X,'  ')");
  out.write("(1X,'** INPUT EMISSIONS **')");
  out.write("(4X,'CO2=EFOSS+NETDEF : SO2 EMISSIONS RELATIVE TO 1990')");
  write_header(out);
  stepped_loop(226, s.NYEND, s.IEMSTEP, [&](int i) {
    const float reg1 = s.SO2REG1[i] - s.ES1990;
    const float reg2 = s.SO2REG2[i] - s.ES1990;
    const float reg3 = s.SO2REG3[i] - s.ES1990;
    const int year = year_of(i);
    out.write("(1X,I4,2F7.3,F8.1,F7.2,4F8.3,I6)",
              {year, s.EFOSS[i], s.NETDEF[i], s.EMCH4[i], s.EMN2O[i], reg1, reg2, reg3,
               reg1 + reg2 + reg3, year});
  });
  write_header(out);
}

}  // namespace orv
