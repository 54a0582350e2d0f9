#include "orvtar/control/report_concentrations.h"

#include "orvtar/control/report_common.h"

namespace orv {

namespace {

void write_range_title(rec::Unit& out) {
  out.write("(5X,'<- USER MODEL CONCS ->','<------ CH4 & CO2 MID CONCS & RANGES ------->')");
}

void write_header(rec::Unit& out) {
  out.write("(1X,'YEAR     CO2     CH4    N2O','   CH4LO  CH4MID   CH4HI   CO2LO  CO2MID   CO2HI  YEAR',' TAUCH4')");
}

}  // namespace

ConcentrationRow concentration_row(const OrvState& s, int i) {
  ConcentrationRow r;
  r.CO2 = midyear(s.CO2, i);
  r.CH4 = midyear(s.CH4, i);
  r.N2O = midyear(s.N2O, i);
  r.CH4LO = r.CH4MID = r.CH4HI = r.CH4;
  r.CO2LO = r.CO2MID = r.CO2HI = r.CO2;
  r.TAUCH4 = s.TAUCH4SEL;
  if (i < 226) return r;

  if (i >= 236) {
    r.CH4LO = midyear(s.CH4LO, i);
    r.CH4MID = midyear(s.CH4MID, i);
    r.CH4HI = midyear(s.CH4HI, i);
  }
  if (i > 236) {
    r.CO2LO = midyear(s.CO2V[1], i);
    r.CO2MID = midyear(s.CO2V[2], i);
    r.CO2HI = midyear(s.CO2V[3], i);
    if (s.IQKYOTO == 1) {
      r.CO2LO += s.DCO2CASE[1];
      r.CO2MID += s.DCO2CASE[2];
      r.CO2HI += s.DCO2CASE[3];
    }
    r.TAUCH4 = s.TAUCH4[i];
  }
  return r;
}

void set_concentrations_before_1765(OrvState& s) {
  s.CO2[0] = s.CO2[1];
  s.CH4[0] = s.CH4[1] - 0.4f;
  s.N2O[0] = s.N2O[1];
}

void write_concentration_table(rec::Unit& out, const OrvState& s) {
  out.write("(1X,'  ')");
  out.write("(1X,'****************************************************')");
  out.write("(1X,'  ')");
  switch (s.ICONCYR) {
    case 0:
      out.write("(1X,'*** CONCENTRATIONS (CO2,PPM : CH4,N2O,PPB) ***',/,1X,'*** MIDYEAR VALUES ***')");
      break;
    case 1:
      out.write("(1X,'*** CONCENTRATIONS (CO2,PPM : CH4,N2O,PPB) ***',/,1X,'*** START OF YEAR VALUES FOR YR.GE.1990 IN COLS 2,3,4 ***')");
      break;
    case 2:
      out.write("(1X,'*** CONCENTRATIONS (CO2,PPM : CH4,N2O,PPB) ***',/,1X,'*** END OF YEAR VALUES FOR YR.GE.1990 IN COLS 2,3,4 ***')");
      break;
    default:
      break;
  }
  write_range_title(out);
  write_header(out);

  stepped_loop(1, s.NYEND, s.ICONCSTEP, [&](int i) {
    const ConcentrationRow r = concentration_row(s, i);
    const int year = year_of(i);
    if (i < 226) {
      out.write("(1X,I4,F8.2,F8.1,F7.1,48X,I6)", {year, r.CO2, r.CH4, r.N2O, year});
      return;
    }
    float co2 = r.CO2, ch4 = r.CH4, n2o = r.N2O;
    if (s.ICONCYR == 1) {
      co2 = s.CO2[i - 1];
      ch4 = s.CH4[i - 1];
      n2o = s.N2O[i - 1];
    } else if (s.ICONCYR == 2) {
      co2 = s.CO2[i];
      ch4 = s.CH4[i];
      n2o = s.N2O[i];
    }
    out.write("(1X,I4,F8.2,F8.1,F7.1,3F8.1,3F8.1,I6,F7.2)",
              {year, co2, ch4, n2o, r.CH4LO, r.CH4MID, r.CH4HI, r.CO2LO, r.CO2MID, r.CO2HI, year,
               r.TAUCH4});
  });

  write_header(out);
  write_range_title(out);
}

}  // namespace orv
