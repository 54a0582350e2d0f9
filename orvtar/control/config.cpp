#include "orvtar/control/config.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "orvtar/control/config_tables.h"

namespace orv {

void read_config_file(OrvState& s, ConfigFile file, const std::string& path) {
  rec::Unit u(path, rec::Status::Old);
  for (const ConfigItem& item : config_items()) {
    if (item.file != file) continue;
    if (item.type == ItemType::Integer) u.read(item.record_format(), {s.*item.integer});
    else u.read(item.record_format(), {s.*item.real});
  }
  u.close();
}

namespace {

void derive_after_user(OrvState& s) {
  // U1 (docs/design/configuration.md)
  if (s.IYEND > 2504) s.IYEND = 2504;
}

void derive_after_gas(OrvState& s, rec::Unit* report) {
  // G1 (docs/design/configuration.md)
  if (s.IGASUSER == 1) {
    s.LEVCO2 = 4;
    s.LEVSO4 = 4;
  }
  // G2 (docs/design/configuration.md): the USER land-use flux and the NPP feedback follow from the soil
  // respiration feedback, whatever the file held.
  s.D80SIN = 1.8f * std::exp(-6.6551f * s.CCFB4);
  s.CCFB1 = 0.03f * std::exp(-9.3669f * s.CCFB4);
  // G3 (docs/design/configuration.md)
  if (s.IGASKDEF == 1) {
    s.GASK1 = GASK_DEFAULT[1];
    s.GASK2 = GASK_DEFAULT[2];
    s.GASK3 = GASK_DEFAULT[3];
    s.GASK4 = GASK_DEFAULT[4];
    s.GASK5 = GASK_DEFAULT[5];
  }
  // G4 (docs/design/configuration.md)
  s.TAUOTHER = 1.0f / (1.0f / s.TAUSINK2 + 1.0f / s.TAUSINK1);
  // G5 (docs/design/configuration.md)
  if (s.IFEED == 0) {
    s.CCFB1 = 0;
    s.CCFB2 = 0;
    s.CCFB3 = 0;
    s.CCFB4 = 0;
  }
  // G6 (docs/design/configuration.md): the report's first line when a case number is too large.
  if (s.LEVCO2 > 4 || s.LEVCH4 > 4 || s.LEVSO4 > 4) {
    if (report) report->write("(1X,'LEVCO2, LEVCH4 AND/OR LEVSO4 WRONGLY SET > 4 :',' RESET AT 2')");
    if (s.LEVCO2 > 4) s.LEVCO2 = 2;
    if (s.LEVCH4 > 4) s.LEVCH4 = 2;
    if (s.LEVSO4 > 4) s.LEVSO4 = 2;
  }
}

void derive_after_mod(OrvState& s) {
  // M1 (docs/design/configuration.md), with DT2XUSER as read from ORVUSER.CFG
  if (s.RLO > 2.0f) s.RLO = 1.05f + 0.6228f * std::exp(-0.339f * s.DT2XUSER);
  // M2 (docs/design/configuration.md)
  if (s.IVARW == 2) s.TWZEROSH = s.TWZERONH;
  // M3 (docs/design/configuration.md)
  for (int k = 1; k <= 15; ++k) s.SLPAR[k] = SLPAR_DEFAULT[k];
  // M4 (docs/design/configuration.md): an emulation set overrides M1 and the values read.
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
  // M5 (docs/design/configuration.md)
  if (s.IMODEL != 0) {
    s.TWZEROSH = s.TWZERONH;
    s.XKNS = s.XKLO;
  }
}

void derive_after_xtra(OrvState& s) {
  // X1 (docs/design/configuration.md)
  if (s.IXTRAZERO == 1) {
    s.CNOXM = 0;
    s.CCOM = 0;
    s.CVOCM = 0;
  }
}

}  // namespace

void derive_after(ConfigFile file, OrvState& s, rec::Unit* report) {
  switch (file) {
    case ConfigFile::User: derive_after_user(s); break;
    case ConfigFile::Gas: derive_after_gas(s, report); break;
    case ConfigFile::Mod: derive_after_mod(s); break;
    case ConfigFile::Run: break;
    case ConfigFile::Xtra: derive_after_xtra(s); break;
  }
}

void read_config_files(OrvState& s, rec::Unit& report) {
  for (ConfigFile file : CONFIG_FILES) {
    read_config_file(s, file, std::string(file_name(file)));
    derive_after(file, s, &report);
  }
}

void derive_settings(OrvState& s, rec::Unit* report) {
  for (ConfigFile file : CONFIG_FILES) derive_after(file, s, report);
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

void apply_r2_to_r9(OrvState& s, rec::Unit* report) {
  // R2 (docs/design/configuration.md)
  if (s.IRUNMODE == 1) {
    s.NSIMS = 20;
  } else if (s.IRUNMODE == 9) {
    s.NSIMS = 1;
  } else {
    s.NSIMS = 4;
  }
  // R3 (docs/design/configuration.md)
  s.IDIFFL = (s.RLO == 1.0f) ? 0 : 1;
  // R4 (docs/design/configuration.md)
  if (s.ICO2CONC >= 1) s.IMETH = 0;
  // R5 (docs/design/configuration.md)
  if (s.DT > 1.0f) s.DT = 1.0f;
  // R6 (docs/design/configuration.md)
  s.QCO2C = s.QCO2COEF;
  s.Q2X = std::log(2.0f) * s.QCO2C;
  // R7 (docs/design/configuration.md)
  s.FO[1] = 1.0f - s.FL[1];
  s.FO[2] = 1.0f - s.FL[2];
  // R8 (docs/design/configuration.md)
  s.FK = CP * RHO * AREAF / 31.5576f;
  // R9 (docs/design/configuration.md): the bounds themselves are accepted.
  if (s.D80SIN < -0.5f) {
    if (report)
      report->write("(/,1X,'*** ERROR : D80SIN SET TOO LOW AT',F7.3,' : RESET AT',F7.3,' ***')",
                    {s.D80SIN, -0.5f});
    s.D80SIN = -0.5f;
  }
  if (s.D80SIN > 3.0f) {
    if (report)
      report->write("(/,1X,'*** ERROR : D80SIN SET TOO HIGH AT',F7.3,' : RESET AT',F7.3,' ***')",
                    {s.D80SIN, 3.0f});
    s.D80SIN = 3.0f;
  }
}

}  // namespace orv
