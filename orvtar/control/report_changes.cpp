#include "orvtar/control/report_changes.h"

namespace orv {

void write_1880_1990_changes(rec::Unit& out, const OrvState& s) {
  constexpr int I1880 = 116, I1990 = 226;
  auto change = [](const float (&x)[NY]) { return x[I1990] - x[I1880]; };
  out.write("(/,1X,'1880-1990 CHANGES : GLOBAL DTEMP =',F7.3,' :   DMSL =',F7.3)",
            {change(s.TEMP), change(s.MSLTOT)});
  out.write("(1X,'          DTNHL =',F7.3,' : DTNHO =',F7.3,' :  DTSHL =',F7.3,' :   DTSHO =',F7.3)",
            {change(s.TNHL), change(s.TNHO), change(s.TSHL), change(s.TSHO)});
  out.write("(1X,'           DTNH =',F7.3,' :  DTSH =',F7.3,' : DTLAND =',F7.3,' : DTOCEAN =',F7.3)",
            {change(s.TNH), change(s.TSH), change(s.TLAND), change(s.TOCN)});
}

}  // namespace orv
