#include "orvtar/control/report_carbon_cycle.h"

#include <algorithm>

#include "orvtar/control/report_common.h"

namespace orv {

namespace {

void write_header(rec::Unit& out) {
  out.write("(1X,'YEAR ETOTAL  EFOSS CH4OXN   NETD GROSSD  OFLUX',' ABFRAC PLANT C HLITT    SOIL    CONC  DEL-M  YEAR')");
}

}  // namespace

float airborne_fraction(float delm, float etotal) {
  if (etotal == 0.0f) return delm < 0.0f ? -9.999f : 9.999f;
  return std::clamp(delm / etotal, -9.999f, 9.999f);
}

void write_carbon_cycle_table(rec::Unit& out, const OrvState& s) {
  out.write("(1X,'  ')");
  out.write("(1X,'****************************************************')");
  out.write("(1X,'  ')");
  out.write("(1X,'** CARBON CYCLE DETAILS **')");
  out.write("(1X,'CONCENTRATIONS ARE UNCORRECTED MODEL OUTPUT',' : LEVCO2 =',I2)", {s.LEVCO2});
  out.write("(1X,'LOW CONC CASE  : NETDEF(80s) = 1.80GtC/yr',' : GIFFORD FERTILIZATION FACTOR =',F6.3)",
            {s.BETA[1]});
  out.write("(1X,'MID CONC CASE  : NETDEF(80s) = 1.10GtC/yr',' : GIFFORD FERTILIZATION FACTOR =',F6.3)",
            {s.BETA[2]});
  out.write("(1X,'HIGH CONC CASE : NETDEF(80s) = 0.40GtC/yr',' : GIFFORD FERTILIZATION FACTOR =',F6.3)",
            {s.BETA[3]});
  out.write("(1X,'USER CONC CASE : NETDEF(80s) =',F5.2,'GtC/yr : GIFFORD FERTILIZATION FACTOR =',F6.3)",
            {s.D80SIN, s.BETA[4]});
  out.write("(/,1X,'ALL CASES USE 1980s MEAN OCEAN FLUX OF 2.0GtC/yr')");
  out.write("(1X,'DETAILED CARBON CYCLE OUTPUT IS FOR LEVCO2 CASE ONLY')");
  if (s.IMETH == 1) {
    out.write("(1X,'METHANE OXIDATION TERM INCLUDED IN EMISSIONS')");
  } else {
    out.write("(1X,'METHANE OXIDATION TERM NOT INCLUDED IN EMISSIONS')");
  }
  out.write("(1X,'NOTE: CORRECTION TO MATCH OBSERVED IN 2000 NOT',' APPLIED IN THIS SECTION')");
  out.write("(/,77X,'ENDYEAR')");
  write_header(out);

  const int v = s.LEVCO2;
  stepped_loop(226, s.NYEND, s.ICCSTEP, [&](int i) {
    const float ch4oxn = s.IMETH != 0 ? s.CH4OXN[i] : 0.0f;
    const float etotal = s.EFOSS[i] + s.NETDEF[i] + ch4oxn;
    const int year = year_of(i);
    out.write("(1X,I4,6F7.2,F7.3,F8.1,F6.1,F8.1,F8.2,F7.3,I6)",
              {year, etotal, s.EFOSS[i], ch4oxn, s.NETDEF[i], s.GROSSD[v][i], s.OFLUX[v][i],
               airborne_fraction(s.DELM[v][i], etotal), s.PLANT[v][i], s.HLITT[v][i],
               s.SOIL[v][i], s.CO2V[v][i], s.DELM[v][i], year});
  });
  write_header(out);
}

}  // namespace orv
