// Settings of the configuration files that the model cannot run with: case
// numbers and steps used as indices or divisors, lifetimes and conversion
// factors that are divided by, and a time step that would never finish.
// Each is rejected with the file, the record and the accepted values.
#include <string>

#include "orvtar/control/config.h"
#include "orvtar/control/input_errors.h"
#include "orvtar/physics/carbon_cycle.h"
#include "orvtar/physics/climate_model.h"

namespace orv {
namespace {

void need(bool ok, const char* file, long record, const std::string& what) {
  if (!ok) rec::fail(file, record, what);
}

void need_case(int value, const char* file, long record, const char* name) {
  need(value >= 1 && value <= 4, file, record,
       std::string(name) + " = " + std::to_string(value) +
           " is not a case number; expected 1 to 4 (LOW, MID, HIGH, USER)");
}

void need_step(int value, const char* file, long record, const char* name) {
  need(value != 0, file, record,
       std::string(name) +
           " = 0 is not a year step; expected a step other than 0 (normally 1 or more years)");
}

void need_positive(float value, const char* file, long record, const char* name,
                   const char* why) {
  need(value > 0.0f, file, record,
       std::string(name) + " = " + value_text(value) + "; expected a value above 0 (" + why + ")");
}

}  // namespace

void check_config(const OrvState& s) {
  // ORVUSER.CFG. Case numbers above 4 were reset to 2 by the gas settings;
  // those of 0 or below would index the case tables.
  need_case(s.LEVCO2, "ORVUSER.CFG", 1, "LEVCO2");
  need_case(s.LEVSO4, "ORVUSER.CFG", 3, "LEVSO4");
  need_positive(s.DT2XUSER, "ORVUSER.CFG", 4, "DT2XUSER",
                "the feedback parameter is the CO2-doubling forcing divided by it");
  need_positive(s.XK, "ORVUSER.CFG", 5, "XK",
                "the initial ocean profile divides by the diffusivity");
  need(s.IMODEL >= 0 && s.IMODEL <= 10, "ORVUSER.CFG", 7,
       "IMODEL = " + std::to_string(s.IMODEL) + " is not a climate model; expected 0 to 10");
  need(s.IYEND >= 2000, "ORVUSER.CFG", 10,
       "IYEND = " + std::to_string(s.IYEND) + "; expected a last year from 2000 to 2504");
  need_step(s.IPRTSTEP, "ORVUSER.CFG", 11, "IPRTSTEP");

  // ORVGAS.CFG
  need_case(s.LEVCH4, "ORVGAS.CFG", 9, "LEVCH4");
  need_positive(s.TAUCH4U, "ORVGAS.CFG", 10, "TAUCH4U", "the CH4 budget divides by the lifetime");
  need_positive(s.TAUCH4M, "ORVGAS.CFG", 11, "TAUCH4M", "the CH4 budget divides by the lifetime");
  need(s.TAUCH4M - s.DTAUCH4 > 0.0f && s.TAUCH4M + s.DTAUCH4 > 0.0f, "ORVGAS.CFG", 12,
       "DTAUCH4 = " + value_text(s.DTAUCH4) +
           " leaves a LOW or HIGH CH4 lifetime of 0 or below; expected a half-range between "
           "-TAUCH4M and TAUCH4M (" + value_text(s.TAUCH4M) + ")");
  need_positive(s.TAUSINK1, "ORVGAS.CFG", 13, "TAUSINK1", "the CH4 budget divides by the lifetime");
  need_positive(s.TAUSINK2, "ORVGAS.CFG", 14, "TAUSINK2", "the CH4 budget divides by the lifetime");
  need_positive(s.TAUN2O, "ORVGAS.CFG", 17, "TAUN2O", "the N2O budget divides by the lifetime");

  // ORVMOD.CFG (after the emulation set, which may replace these values)
  need_positive(s.QCO2COEF, "ORVMOD.CFG", 2, "QCO2COEF",
                "the CO2-doubling forcing divides the feedback and equilibrium warming");
  need_positive(s.RLO, "ORVMOD.CFG", 3, "RLO", "the land and ocean feedbacks divide by the ratio");
  need_positive(s.HM, "ORVMOD.CFG", 4, "HM", "the ocean model divides by the mixed-layer depth");
  if (s.IVARW == 1 || s.IVARW == 2) {
    need(s.TWZERONH != 0.0f, "ORVMOD.CFG", 7,
         "TWZERONH = 0 with variable upwelling (IVARW = " + std::to_string(s.IVARW) +
             "); expected a non-zero temperature change");
    need(s.TWZEROSH != 0.0f, "ORVMOD.CFG", 8,
         "TWZEROSH = 0 with variable upwelling (IVARW = " + std::to_string(s.IVARW) +
             "); expected a non-zero temperature change");
    need(s.IWSCALE >= 1 && s.IWSCALE <= 5, "ORVRUN.CFG", 5,
         "IWSCALE = " + std::to_string(s.IWSCALE) + " with variable upwelling (IVARW = " +
             std::to_string(s.IVARW) + "); expected 1 to 5");
  }
  if (s.IVARW == 2 && s.IWSCALE > 3) {
    need(s.W0 != 0.0f, "ORVMOD.CFG", 5,
         "W0 = 0 with IVARW = 2 and IWSCALE = " + std::to_string(s.IWSCALE) +
             "; expected a non-zero initial upwelling (the active fraction divides by it)");
  }

  // ORVRUN.CFG
  need_step(s.IDISSTEP, "ORVRUN.CFG", 2, "IDISSTEP");

  // ORVXTRA.CFG
  // The climate time loop snaps model time to whole years, so shorter steps
  // would stall it; it accepts nothing below DTMIN.
  need(s.DT >= DTMIN, "ORVXTRA.CFG", 2,
       "DT = " + value_text(s.DT) + "; expected a time step of at least " + value_text(DTMIN) +
           " years (values above 1.0 are used as 1.0)");
  need_step(s.IEMSTEP, "ORVXTRA.CFG", 4, "IEMSTEP");
  need_step(s.ICCSTEP, "ORVXTRA.CFG", 5, "ICCSTEP");
  need_step(s.ICONCSTEP, "ORVXTRA.CFG", 6, "ICONCSTEP");
  need_step(s.IQSTEP, "ORVXTRA.CFG", 7, "IQSTEP");
  need_positive(s.ESNAT, "ORVXTRA.CFG", 10, "ESNAT",
                "the indirect aerosol forcing divides by the natural emission");
  need_positive(s.CH4CONV, "ORVXTRA.CFG", 12, "CH4CONV",
                "CH4 concentrations are burdens divided by it");
  need_positive(s.N2OCONV, "ORVXTRA.CFG", 23, "N2OCONV",
                "N2O concentrations are burdens divided by it");
  need(s.LAGN2O >= 1 && s.LAGN2O <= NHIST, "ORVXTRA.CFG", 25,
       "LAGN2O = " + std::to_string(s.LAGN2O) + "; expected a lag of 1 to " +
           std::to_string(NHIST) + " years");
  need_positive(s.ES1990, "ORVXTRA.CFG", 27, "ES1990",
                "the aerosol forcing divides by the 1990 SO2 emission");
}

void check_user_carbon_cycle(const OrvState& s) {
  if (s.LEVCO2 != 4) return;
  const float gross = GROSSD90_OF(s.D80SIN, s.FOC80SIN);
  need(gross > 0.0f, "ORVGAS.CFG", 3,
       "FOC80SIN = " + value_text(s.FOC80SIN) + " with D80SIN = " + value_text(s.D80SIN) +
           " gives the USER carbon cycle a 1990 gross deforestation of " + value_text(gross) +
           " GtC/yr; expected a value above 0 (the biomass aerosol forcing is scaled by it): "
           "lower FOC80SIN, or lower CCFB4 to raise D80SIN");
}

}  // namespace orv
