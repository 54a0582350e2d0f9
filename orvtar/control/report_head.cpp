#include "orvtar/control/report_head.h"

#include <string_view>

namespace orv {

void write_report_head(rec::Unit& out, const OrvState& s, const ReportDate& date) {
  static constexpr std::string_view MONTHS = "JanFebMarAprMayJunJulAugSepOctNovDec";
  const std::string_view month = MONTHS.substr(3 * (date.month - 1), 3);

  out.write("(' Emissions profile: ',A20,20X,' Date: ',I2,1X,A3,1X,I4,/)",
            {s.PROFILE, date.day, month, date.year});
  out.write("(1X,A4,' CONCENTRATION PROJECTION FOR CO2')", {CASENAME[s.LEVCO2]});
  if (s.IFEED == 0) out.write("(3X,'(CO2-CLIMATE FEEDBACK NOT INCLUDED)')");
  if (s.IFEED == 1) out.write("(3X,'(CO2-CLIMATE FEEDBACK INCLUDED)')");
  if (s.LEVCO2 == 4)
    out.write("(1X,'Dn(1980s) =',F6.3,' : Foc(1980s) =',F6.3)", {s.D80SIN, s.FOC80SIN});
  if (s.LEVCH4 <= 3) {
    out.write("(1X,A4,' CONCENTRATION PROJECTION FOR CH4')", {CASENAME[s.LEVCH4]});
  } else if (s.LEVCH4 == 4) {
    out.write("(1X,'CH4 CONCS USE CONSTANT LIFETIME OF',F7.3,'YEARS')", {s.TAUCH4U});
  }
  out.write("(1X,A4,' 1990 FORCINGS FOR SO4 AEROSOL')", {CASENAME[s.LEVSO4]});
  if (s.IO3FEED == 0) {
    out.write("(2X,'STRAT OZONE DEPLETION FEEDBACK OMITTED')");
  } else {
    out.write("(2X,'STRAT OZONE DEPLETION FEEDBACK INCLUDED')");
  }
  if (s.IHALO == 2) {
    out.write("(2X,'FOR HALOCARBONS NOT IN GAS.EMK,',' EMS CONSTANT AFTER 2100')");
  } else {
    out.write("(2X,'FOR HALOCARBONS NOT IN GAS.EMK,',' EMS DROP TO ZERO OVER 2100-2200')");
  }
  out.write("(/,1X,'CLIMATE MODEL SELECTED = ',A7)", {MODNAME[s.IMODEL]});
  if (s.IUSERICE == 1) out.write("(1X,'USER ICE MELT = LOW')");
  if (s.IUSERICE == 2) out.write("(1X,'USER ICE MELT = MID')");
  if (s.IUSERICE == 3) out.write("(1X,'USER ICE MELT = HIGH')");
}

namespace {

// The 1990 aerosol forcing lines: a forcing of exactly zero is reported as
// ignored in a plain line.
void write_aerosol_line(rec::Unit& out, float q90, std::string_view ignored,
                        std::string_view format) {
  if (q90 == 0.0f) {
    out.write_free({ignored});
  } else {
    out.write(format, {q90});
  }
}

}  // namespace

void write_report_head_forcing(rec::Unit& out, const OrvState& s) {
  if (s.ICO2CONC == 1)
    out.write("(/,1X,'CO2 CONC INPUT OVERWRITES CO2 EMISSIONS :',' POST-1990 CO2 FORCING SCALED UP BY',F5.1,'%')",
              {(s.CO2SCALE - 1.0f) * 100.0f});
  if (s.ICO2CONC == 2)
    out.write("(/,1X,'CO2 CONC INPUT OVERWRITES CO2 EMISSIONS :',' OTHER GAS EMISSIONS AS SPECIFIED IN GAS.EMK')");
  if (s.ICO2CONC == 3)
    out.write("(/,1X,'CO2 CONC INPUT OVERWRITES CO2 EMISSIONS :',' SO2 EMISSIONS AS SPECIFIED IN GAS.EMK')");

  if (s.IQEXTRA == 0) out.write("(/,1X,'NO EXTRA FORCING ADDED')");
  if (s.IQEXTRA >= 1) {
    if (s.NQCOL == 1)
      out.write("(/,1X,'EXTRA GLOBAL MEAN FORCING ADDED FROM',' QEXTRA.IN OVER',I5,' TO',I5,' INCLUSIVE')",
                {s.IQY1, s.IQY2});
    if (s.NQCOL == 2)
      out.write("(/,1X,'EXTRA HEMISPHERIC FORCINGS ADDED FROM',' QEXTRA.IN OVER',I5,' TO',I5,' INCLUSIVE')",
                {s.IQY1, s.IQY2});
    if (s.NQCOL == 4)
      out.write("(/,1X,'EXTRA NHO, NHL, SHO, SHL FORCINGS ADDED FROM',' QEXTRA.IN OVER',I5,' TO',I5,' INCLUSIVE')",
                {s.IQY1, s.IQY2});
    if (s.QOFFSET != 0.0f) out.write("(2X,F10.3,' W/m**2 SUBTRACTED FROM ALL VALUES')", {s.QOFFSET});
    if (s.QFACTOR != 1.0f) out.write("(2X,'FORCING SCALED BY',F7.3,' AFTER OFFSET')", {s.QFACTOR});
    if (s.IQEXTRA == 2) out.write("(/,1X,'QEXTRA FORCING USED ALONE')");
  }

  out.write("(/,1X,'CO2-DOUBLING FORCING IN W/M**2 =',F6.3)", {s.Q2X});
  write_aerosol_line(out, s.QDIR90, "DIRECT AEROSOL FORCING IGNORED",
                     "(1X,'1990 DIRECT AEROSOL FORCING          =',F6.3,'W/m**2')");
  write_aerosol_line(out, s.QIND90, "INDIRECT AEROSOL FORCING IGNORED",
                     "(1X,'1990 INDIRECT AEROSOL FORCING        =',F6.3,'W/m**2')");
  write_aerosol_line(out, s.QBIO90, "BIOMASS AEROSOL FORCING IGNORED",
                     "(1X,'1990 BIOMASS AEROSOL FORCING         =',F6.3,'W/m**2')");
  if (s.QFOC90 == 0.0f) {
    out.write_free({"FOSSIL OB+BC AEROSOL FORCING", " IGNORED"});
  } else {
    out.write("(1X,'1990 FOSSIL ORG C + BLACK C FORCING  =',F6.3,'W/m**2')", {s.QFOC90});
  }
  out.write("(1X,'STRAT H2O FROM CH4 : DELQH2O/DELQCH4 =',F6.3)", {s.DELQH2O});
}

}  // namespace orv
