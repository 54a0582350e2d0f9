#include "orvtar/control/display_files.h"

#include "orvtar/control/report_common.h"
#include "orvtar/control/report_concentrations.h"
#include "orvtar/control/report_forcing.h"
#include "records/record_io.h"

namespace orv {

void write_concs_dis(const OrvState& s) {
  rec::Unit out("concs.dis", rec::Status::Output);
  auto header = [&] {
    out.write("(1X,'YEAR CO2USER   CO2LO  CO2MID   CO2HI',' CH4USER   CH4LO  CH4MID   CH4HI     N2O',' MIDTAUCH4')");
  };
  header();
  stepped_loop(1, s.NYEND, s.IDISSTEP, [&](int i) {
    const ConcentrationRow r = concentration_row(s, i);
    const int year = year_of(i);
    if (i < 226) {
      out.write("(1X,I4,9F8.1)", {year, r.CO2, r.CO2, r.CO2, r.CO2, r.CH4, r.CH4, r.CH4, r.CH4, r.N2O});
    } else {
      out.write("(1X,I4,9F8.1,F10.2)", {year, r.CO2, r.CO2LO, r.CO2MID, r.CO2HI, r.CH4, r.CH4LO,
                                        r.CH4MID, r.CH4HI, r.N2O, r.TAUCH4});
    }
  });
  header();
  out.close();
}

void write_forcings_dis(const OrvState& s) {
  rec::Unit out("forcings.dis", rec::Status::Output);
  write_forcing_header(out);
  stepped_loop(1990, s.IYEND, s.IDISSTEP,
               [&](int year) { write_forcing_row(out, year, forcing_change_from_1990(s, year - 1764)); });
  write_forcing_header(out);
  out.close();
}

void write_temps_dis(const OrvState& s) {
  rec::Unit out("temps.dis", rec::Status::Output);
  auto header = [&] { out.write("(1X,'YEAR  TEMUSER    TEMLO   TEMMID    TEMHI TEMNOSO2')"); };
  header();
  stepped_loop(1, s.NYEND, s.IDISSTEP, [&](int i) {
    out.write("(1X,I4,5F9.3)", {year_of(i), s.TEMUSER[i], s.TEMLO[i], s.TEMMID[i], s.TEMHI[i], s.TEMNOSO2[i]});
  });
  header();
  out.close();
}

void write_sealev_dis(const OrvState& s) {
  rec::Unit out("sealev.dis", rec::Status::Output);
  auto header = [&] { out.write("(1X,'YEAR  MSLUSER    MSLLO   MSLMID    MSLHI')"); };
  header();
  stepped_loop(1, s.NYEND, s.IDISSTEP, [&](int i) {
    out.write("(1X,I4,5F9.1)", {year_of(i), s.MSLUSER[i], s.MSLLO[i], s.MSLMID[i], s.MSLHI[i]});
  });
  header();
  out.close();
}

void write_emiss_dis(const OrvState& s) {
  rec::Unit out("emiss.dis", rec::Status::Output);
  auto header = [&] {
    out.write("(1X,'YEAR  FOSSCO2 NETDEFOR      CH4      N2O',' SO2-REG1 SO2-REG2 SO2-REG3   SO2-GL')");
  };
  header();
  // The base ES1990 is taken off in the shares 38/75, 47/75 and 65/75, which
  // add up to 2, so that the global column equals SO2TOT.
  stepped_loop(226, s.NYEND, s.IDISSTEP, [&](int i) {
    const float reg1 = s.SO2REG1[i] - 0.5066667f * s.ES1990;
    const float reg2 = s.SO2REG2[i] - 0.6266667f * s.ES1990;
    const float reg3 = s.SO2REG3[i] - 0.8666667f * s.ES1990;
    out.write("(1X,I4,8F9.2)", {year_of(i), s.EFOSS[i], s.NETDEF[i], s.EMCH4[i], s.EMN2O[i], reg1,
                               reg2, reg3, reg1 + reg2 + reg3});
  });
  header();
  out.close();
}

}  // namespace orv
