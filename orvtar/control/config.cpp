#include "orvtar/control/config.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "orvtar/control/config_tables.h"

namespace orv {

void read_orvuser(OrvState& s, const std::string& file) {
  rec::Unit u(file, rec::Status::Old);
  u.read("(I10)", {s.LEVCO2});
  u.read("(I10)", {s.IFEED});
  u.read("(I10)", {s.LEVSO4});
  u.read("(F10.0)", {s.DT2XUSER});
  u.read("(F10.0)", {s.XK});
  u.read("(I10)", {s.IVARW});
  u.read("(I10)", {s.IMODEL});
  u.read("(I10)", {s.IREFYR});
  u.read("(I10)", {s.IPRTYR1});
  u.read("(I10)", {s.IYEND});
  u.read("(I10)", {s.IPRTSTEP});
  u.read("(I10)", {s.IUSERICE});
  u.close();

  // U1
  if (s.IYEND > 2504) s.IYEND = 2504;
}

void read_orvgas(OrvState& s, rec::Unit& report, const std::string& file) {
  rec::Unit u(file, rec::Status::Old);
  u.read("(I10)", {s.IGASUSER});
  u.read("(F10.0)", {s.D80SIN});
  u.read("(F10.0)", {s.FOC80SIN});
  u.read("(F10.0)", {s.CCFB1});
  u.read("(F10.0)", {s.CCFB2});
  u.read("(F10.0)", {s.CCFB3});
  u.read("(F10.0)", {s.CCFB4});
  u.read("(I10)", {s.IMETH});
  u.read("(I10)", {s.LEVCH4});
  u.read("(F10.0)", {s.TAUCH4U});
  u.read("(F10.0)", {s.TAUCH4M});
  u.read("(F10.0)", {s.DTAUCH4});
  u.read("(F10.0)", {s.TAUSINK1});
  u.read("(F10.0)", {s.TAUSINK2});
  u.read("(F10.0)", {s.CH4C90});
  u.read("(F10.0)", {s.CH4DC90});
  u.read("(F10.0)", {s.TAUN2O});
  u.read("(F10.0)", {s.N2OC90});
  u.read("(F10.0)", {s.N2ODC90});
  u.read("(F10.0)", {s.QN2OC});
  u.read("(F10.0)", {s.QDIRU});
  u.read("(F10.0)", {s.QINDU});
  u.read("(F10.0)", {s.QBIOU});
  u.read("(F10.0)", {s.QFOCU});
  u.read("(I10)", {s.IFOCSC});
  u.read("(F10.0)", {s.QO3DU});
  u.read("(I10)", {s.IO3FEED});
  u.read("(I10)", {s.IHALO});
  u.read("(F10.0)", {s.GASK1});
  u.read("(F10.0)", {s.GASK2});
  u.read("(F10.0)", {s.GASK3});
  u.read("(F10.0)", {s.GASK4});
  u.read("(F10.0)", {s.GASK5});
  u.read("(I10)", {s.IGASKDEF});
  u.read("(I10)", {s.ITAUFB});
  u.close();

  // G1
  if (s.IGASUSER == 1) {
    s.LEVCO2 = 4;
    s.LEVSO4 = 4;
  }
  // G2: the USER land-use flux and the NPP feedback follow from the soil
  // respiration feedback, whatever the file held.
  s.D80SIN = 1.8f * std::exp(-6.6551f * s.CCFB4);
  s.CCFB1 = 0.03f * std::exp(-9.3669f * s.CCFB4);
  // G3
  if (s.IGASKDEF == 1) {
    s.GASK1 = GASK_DEFAULT[1];
    s.GASK2 = GASK_DEFAULT[2];
    s.GASK3 = GASK_DEFAULT[3];
    s.GASK4 = GASK_DEFAULT[4];
    s.GASK5 = GASK_DEFAULT[5];
  }
  // G4
  s.TAUOTHER = 1.0f / (1.0f / s.TAUSINK2 + 1.0f / s.TAUSINK1);
  // G5
  if (s.IFEED == 0) {
    s.CCFB1 = 0;
    s.CCFB2 = 0;
    s.CCFB3 = 0;
    s.CCFB4 = 0;
  }
  // G6: the report's first line when a case number is too large.
  if (s.LEVCO2 > 4 || s.LEVCH4 > 4 || s.LEVSO4 > 4) {
    report.write("(1X,'LEVCO2, LEVCH4 AND/OR LEVSO4 WRONGLY SET > 4 :',' RESET AT 2')");
    if (s.LEVCO2 > 4) s.LEVCO2 = 2;
    if (s.LEVCH4 > 4) s.LEVCH4 = 2;
    if (s.LEVSO4 > 4) s.LEVSO4 = 2;
  }
}

void read_orvmod(OrvState& s, const std::string& file) {
  rec::Unit u(file, rec::Status::Old);
  u.read("(F10.0)", {s.TOFAC});
  u.read("(F10.0)", {s.QCO2COEF});
  u.read("(F10.0)", {s.RLO});
  u.read("(F10.0)", {s.HM});
  u.read("(F10.0)", {s.W0});
  u.read("(F10.0)", {s.PI});
  u.read("(F10.0)", {s.TWZERONH});
  u.read("(F10.0)", {s.TWZEROSH});
  u.read("(F10.0)", {s.XKLO});
  u.read("(F10.0)", {s.XKNS});
  u.read("(I10)", {s.ICO2CONC});
  u.read("(F10.0)", {s.CO2SCALE});
  u.read("(I10)", {s.IQEXTRA});
  u.read("(F10.0)", {s.QOFFSET});
  u.read("(F10.0)", {s.QFACTOR});
  // M1, with DT2XUSER as read from ORVUSER.CFG
  if (s.RLO > 2.0f) s.RLO = 1.05f + 0.6228f * std::exp(-0.339f * s.DT2XUSER);
  u.close();

  // M2
  if (s.IVARW == 2) s.TWZEROSH = s.TWZERONH;
  // M3
  for (int k = 1; k <= 15; ++k) s.SLPAR[k] = SLPAR_DEFAULT[k];
  // M4: an emulation set overrides M1 and the values read.
  if (s.IMODEL >= 1 && s.IMODEL <= 7) {
    const Emulation& e = EMULATION[s.IMODEL];
    s.QCO2COEF = e.QCO2COEF;
    s.DT2XUSER = e.DT2XUSER;
    s.TWZERONH = e.TWZERONH;
    s.XK = e.XK;
    s.RLO = e.RLO;
    s.XKLO = e.XKLO;
    for (int k = 1; k <= 7; ++k) s.SLPAR[k] = e.SLPAR[k];
  }
  // M5
  if (s.IMODEL != 0) {
    s.TWZEROSH = s.TWZERONH;
    s.XKNS = s.XKLO;
  }
}

void read_orvrun(OrvState& s, const std::string& file) {
  rec::Unit u(file, rec::Status::Old);
  u.read("(I10)", {s.IRUNMODE});
  u.read("(I10)", {s.IDISSTEP});
  u.read("(I10)", {s.ICONCYR});
  u.read("(I10)", {s.IQKYOTO});
  u.read("(I10)", {s.IWSCALE});
  u.close();
}

void read_orvxtra(OrvState& s, const std::string& file) {
  rec::Unit u(file, rec::Status::Old);
  u.read("(I10)", {s.IWPROF});
  u.read("(F10.0)", {s.DT});
  u.read("(I10)", {s.ITEMPTAB});
  u.read("(I10)", {s.IEMSTEP});
  u.read("(I10)", {s.ICCSTEP});
  u.read("(I10)", {s.ICONCSTEP});
  u.read("(I10)", {s.IQSTEP});
  u.read("(F10.0)", {s.TOFFSET});
  u.read("(F10.0)", {s.DELQH2O});
  u.read("(F10.0)", {s.ESNAT});
  u.read("(I10)", {s.IQGHG});
  u.read("(F10.0)", {s.CH4CONV});
  u.read("(F10.0)", {s.SOHM});
  u.read("(F10.0)", {s.DSOH});
  u.read("(F10.0)", {s.GAMOH});
  u.read("(F10.0)", {s.CNOXM});
  u.read("(F10.0)", {s.DCNOX});
  u.read("(F10.0)", {s.CCOM});
  u.read("(F10.0)", {s.DCCO});
  u.read("(F10.0)", {s.CVOCM});
  u.read("(F10.0)", {s.DCVOC});
  u.read("(I10)", {s.IXTRAZERO});
  u.read("(F10.0)", {s.N2OCONV});
  u.read("(F10.0)", {s.SN2O});
  u.read("(I10)", {s.LAGN2O});
  u.read("(F10.0)", {s.WTHC});
  u.read("(F10.0)", {s.ES1990});
  u.close();

  // X1
  if (s.IXTRAZERO == 1) {
    s.CNOXM = 0;
    s.CCOM = 0;
    s.CVOCM = 0;
  }
}

void read_config_files(OrvState& s, rec::Unit& report) {
  read_orvuser(s);
  read_orvgas(s, report);
  read_orvmod(s);
  read_orvrun(s);
  read_orvxtra(s);
}

void apply_r1(OrvState& s) {
  if (s.QIND90 == 0.0f) s.QIND90 = -0.0001f;
  s.XKH = s.XK * XKCONV;
  if (s.LEVSO4 >= 1 && s.LEVSO4 <= 3) {
    const Aerosol1990& a = AEROSOL1990[s.LEVSO4];
    s.QDIR90 = a.QDIR90;
    s.QIND90 = a.QIND90;
    s.QBIO90 = a.QBIO90;
    s.QFOC90 = a.QFOC90;
  } else if (s.LEVSO4 == 4) {
    s.QDIR90 = s.QDIRU;
    s.QIND90 = s.QINDU;
    s.QBIO90 = s.QBIOU;
    s.QFOC90 = s.QFOCU;
  }
}

void apply_r2_to_r9(OrvState& s, rec::Unit& report) {
  // R2
  if (s.IRUNMODE == 1) {
    s.NSIMS = 20;
  } else if (s.IRUNMODE == 9) {
    s.NSIMS = 1;
  } else {
    s.NSIMS = 4;
  }
  // R3
  s.IDIFFL = (s.RLO == 1.0f) ? 0 : 1;
  // R4
  if (s.ICO2CONC >= 1) s.IMETH = 0;
  // R5
  if (s.DT > 1.0f) s.DT = 1.0f;
  // R6
  s.QCO2C = s.QCO2COEF;
  s.Q2X = std::log(2.0f) * s.QCO2C;
  // R7
  s.FO[1] = 1.0f - s.FL[1];
  s.FO[2] = 1.0f - s.FL[2];
  // R8
  s.FK = CP * RHO * AREAF / 31.5576f;
  // R9: the bounds themselves are accepted.
  if (s.D80SIN < -0.5f) {
    report.write("(/,1X,'*** ERROR : D80SIN SET TOO LOW AT',F7.3,' : RESET AT',F7.3,' ***')",
                 {s.D80SIN, -0.5f});
    s.D80SIN = -0.5f;
  }
  if (s.D80SIN > 3.0f) {
    report.write("(/,1X,'*** ERROR : D80SIN SET TOO HIGH AT',F7.3,' : RESET AT',F7.3,' ***')",
                 {s.D80SIN, 3.0f});
    s.D80SIN = 3.0f;
  }
}

}  // namespace orv
