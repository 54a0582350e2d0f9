#include "orvtar/control/report_simulation_head.h"

namespace orv {

namespace {

// Which temperature drives the variable upwelling.
void write_iwscale_line(rec::Unit& out, int iwscale) {
  if (iwscale == 1) out.write("(1X,'FULL W SCALED WITH GLOBAL-MEAN TEMPERATURE',/)");
  if (iwscale == 2) out.write("(1X,'FULL W SCALED WITH GLOBAL-MEAN OCEAN TEMPERATURE',/)");
  if (iwscale == 3) out.write("(1X,'FULL W SCALED WITH HEMISPHERIC-MEAN OCEAN','TEMPERATURE',/)");
  if (iwscale == 4) out.write("(1X,'ACTIVE W SCALED WITH GLOBAL-MEAN TEMPERATURE',/)");
  if (iwscale == 5) out.write("(1X,'ACTIVE W SCALED WITH GLOBAL-MEAN OCEAN TEMPERATURE',/)");
}

}  // namespace

void write_simulation_head(rec::Unit& out, const OrvState& s) {
  out.write("(/,1X,'*************************************************')");
  out.write("(/,1X,'NSIM =',I3,' : DELT(2XCO2) =',F6.3,'DEGC')", {s.NSIM, s.DT2X});
  switch (s.ISO2CASE) {
    case 1: out.write("(1X,'FULL GLOBAL SO2 EMISSIONS',/)"); break;
    case 2: out.write("(1X,'SO2 EMISSIONS CONSTANT AFTER 1990',/)"); break;
    case 3: out.write("(1X,'REGION 1 SO2 EMISSIONS',/)"); break;
    case 4: out.write("(1X,'REGION 2 SO2 EMISSIONS',/)"); break;
    case 5: out.write("(1X,'REGION 3 SO2 EMISSIONS',/)"); break;
    default: break;
  }

  out.write("(1X,'IVARW SET AT',I2)", {s.IVARW});
  if (s.IVARW == 0) out.write("(1X,'CONSTANT W CASE')");
  if (s.IVARW == 1) {
    out.write("(1X,'VARIABLE W : NH W = ZERO WHEN TEMPERATURE =',F6.2,'degC')", {s.TWZERONH});
    out.write("(1X,'VARIABLE W : SH W = ZERO WHEN TEMPERATURE =',F6.2,'degC')", {s.TWZEROSH});
    write_iwscale_line(out, s.IWSCALE);
  }
  if (s.IVARW == 2) {
    out.write("(1X,'PERMANENT THC SHUTDOWN AT W =',F6.2,'M/YR')", {s.WTHC});
    out.write("(1X,'W = ZERO WHEN TEMPERATURE =',F6.2,'degC')", {s.TWZERONH});
    write_iwscale_line(out, s.IWSCALE);
  }
  if (s.IVARW == 3) out.write("(1X,'VARIABLE W : NH AND SH W(t) SPECIFIED IN WINPUT.IN')");

  out.write("(1X,'XKNS=',F4.1,' : XKLO=',F4.1)", {s.XKNS, s.XKLO});
  out.write("(1X,'HM=',F5.1,'M : XK=',F6.4,'CM**2/SEC')", {s.HM, s.XK});
  out.write("(1X,'PI=',F6.4,' : INITIAL W=',F5.2,'M/YR',/)", {s.PI, s.W0});

  if (s.IDIFFL == 1) {
    out.write("(/,1X,'DIFF/L SENSITIVITY CASE : RLO =',F6.3,' : XLAML =',F10.4,' : XLAMO =',F10.4)",
              {s.RLO, s.XLAML, s.XLAMO});
    if (s.XLAML < 0.0f) out.write("(1X,'  **  WARNING, XLAML<0.0 : USE SMALLER XKLO **')");
  } else {
    out.write("(/,1X,'GLOBAL SENSITIVITY CASE : INITIAL XLAM =',F10.4)", {s.XLAM});
  }
}

}  // namespace orv
