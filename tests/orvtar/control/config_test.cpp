// Configuration files and their derived settings, read through the whole
// start-up in a scratch directory so that every step runs in its order.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "orvtar/control/config.h"
#include "orvtar/control/startup.h"
#include "startup_dir.h"

namespace {

using orvtest::fresh_state;
using orvtest::RunDir;

// Runs the start-up and returns the report's records.
std::vector<std::string> run_startup(RunDir& dir, orv::OrvState& s) {
  {
    rec::Unit report;
    orv::startup(s, report);
  }
  return dir.lines("ORV.OUT");
}

TEST(StartupConfig, DefaultFilesReadInOrderWithoutResets) {
  RunDir dir;
  auto s = fresh_state();
  EXPECT_TRUE(run_startup(dir, *s).empty());
  // One item from each file, near its end, shows the records line up.
  EXPECT_EQ(s->IUSERICE, 2);
  EXPECT_EQ(s->ITAUFB, 1);
  EXPECT_FLOAT_EQ(s->QFACTOR, 1.0f);
  EXPECT_EQ(s->IWSCALE, 1);
  EXPECT_FLOAT_EQ(s->ES1990, 63.968f);
  EXPECT_EQ(s->LAGN2O, 3);
  // G2 (docs/design/configuration.md) replaces the D80SIN and CCFB1 of the file (1.1350 and 0.0157).
  EXPECT_NEAR(s->D80SIN, 1.8 * std::exp(-6.6551 * 0.0693), 1e-5);
  EXPECT_NEAR(s->CCFB1, 0.03 * std::exp(-9.3669 * 0.0693), 1e-6);
  // G4 (docs/design/configuration.md): the combined lifetime of the 120 and 160 year sinks.
  EXPECT_NEAR(s->TAUOTHER, 68.5714, 1e-3);
  // R-steps: twenty simulations, land/ocean case, CO2 doubling, fractions.
  EXPECT_EQ(s->NSIMS, 20);
  EXPECT_EQ(s->IDIFFL, 1);
  EXPECT_NEAR(s->Q2X, 5.35 * std::log(2.0), 1e-5);
  EXPECT_FLOAT_EQ(s->QCO2C, 5.35f);
  EXPECT_FLOAT_EQ(s->FO[1], 0.58f);
  EXPECT_FLOAT_EQ(s->FO[2], 0.79f);
  EXPECT_NEAR(s->FK, 0.1270, 1e-4);
  EXPECT_NEAR(s->XKH, 1.3 * 3155.76, 1e-2);
  // The MID aerosol case and the default sea-level constants.
  EXPECT_FLOAT_EQ(s->QDIR90, -0.4f);
  EXPECT_FLOAT_EQ(s->QIND90, -0.8f);
  EXPECT_FLOAT_EQ(s->QBIO90, -0.2f);
  EXPECT_FLOAT_EQ(s->QFOC90, 0.1f);
  EXPECT_FLOAT_EQ(s->SLPAR[1], 0.607f);
  EXPECT_FLOAT_EQ(s->SLPAR[15], 0.0025f);
}

TEST(StartupConfig, CaseNumbersAboveFourGiveOneResetLine) {
  RunDir dir;
  dir.set("ORVUSER.CFG", 1, "5");
  dir.set("ORVUSER.CFG", 3, "7");
  auto s = fresh_state();
  auto out = run_startup(dir, *s);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0], " LEVCO2, LEVCH4 AND/OR LEVSO4 WRONGLY SET > 4 : RESET AT 2");
  EXPECT_EQ(s->LEVCO2, 2);
  EXPECT_EQ(s->LEVSO4, 2);
  EXPECT_EQ(s->LEVCH4, 2);
}

TEST(StartupConfig, GasUserForcesUserCases) {
  RunDir dir;
  dir.set("ORVGAS.CFG", 1, "1");
  auto s = fresh_state();
  EXPECT_TRUE(run_startup(dir, *s).empty());
  EXPECT_EQ(s->LEVCO2, 4);
  EXPECT_EQ(s->LEVSO4, 4);
  // The USER aerosol forcings of ORVGAS.CFG.
  EXPECT_FLOAT_EQ(s->QDIR90, -0.40f);
  EXPECT_FLOAT_EQ(s->QIND90, -0.45f);
  EXPECT_FLOAT_EQ(s->QFOC90, 0.31f);
}

TEST(StartupConfig, GasUserTurnsCaseZeroIntoUser) {
  RunDir dir;
  dir.set("ORVUSER.CFG", 1, "0");
  dir.set("ORVGAS.CFG", 1, "1");
  auto s = fresh_state();
  run_startup(dir, *s);
  EXPECT_EQ(s->LEVCO2, 4);
}

TEST(StartupConfig, FeedbackOffZeroesParametersAfterLandUseFlux) {
  RunDir dir;
  dir.set("ORVUSER.CFG", 2, "0");
  dir.set("ORVGAS.CFG", 7, "0.1");
  auto s = fresh_state();
  EXPECT_TRUE(run_startup(dir, *s).empty());
  EXPECT_NEAR(s->D80SIN, 0.925, 5e-4);
  EXPECT_EQ(s->CCFB1, 0.0f);
  EXPECT_EQ(s->CCFB2, 0.0f);
  EXPECT_EQ(s->CCFB3, 0.0f);
  EXPECT_EQ(s->CCFB4, 0.0f);
}

TEST(StartupConfig, NegativeSoilFeedbackResetsLandUseFluxToUpperBound) {
  RunDir dir;
  dir.set("ORVGAS.CFG", 7, "-0.1");
  auto s = fresh_state();
  auto out = run_startup(dir, *s);
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0], "");
  EXPECT_EQ(out[1], " *** ERROR : D80SIN SET TOO HIGH AT  3.502 : RESET AT  3.000 ***");
  EXPECT_FLOAT_EQ(s->D80SIN, 3.0f);
}

TEST(StartupConfig, CaseResetLineComesBeforeLandUseResetLine) {
  RunDir dir;
  dir.set("ORVGAS.CFG", 9, "6");
  dir.set("ORVGAS.CFG", 7, "-0.1");
  auto s = fresh_state();
  auto out = run_startup(dir, *s);
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[0], " LEVCO2, LEVCH4 AND/OR LEVSO4 WRONGLY SET > 4 : RESET AT 2");
  EXPECT_EQ(out[2].substr(0, 35), " *** ERROR : D80SIN SET TOO HIGH AT");
  EXPECT_EQ(s->LEVCH4, 2);
}

TEST(StartupConfig, LandUseFluxLowerBoundLine) {
  // G2 (docs/design/configuration.md) always gives a positive flux, so the lower bound is met only by a
  // value set in the state.
  auto s = fresh_state();
  s->D80SIN = -0.75f;
  RunDir dir;
  {
    rec::Unit report("ORV.OUT", rec::Status::Unknown);
    orv::apply_r2_to_r9(*s, &report);
  }
  auto out = dir.lines("ORV.OUT");
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[1], " *** ERROR : D80SIN SET TOO LOW AT -0.750 : RESET AT -0.500 ***");
  EXPECT_FLOAT_EQ(s->D80SIN, -0.5f);
  // The bounds themselves stand.
  s->D80SIN = 3.0f;
  {
    rec::Unit report("BOUND.OUT", rec::Status::Unknown);
    orv::apply_r2_to_r9(*s, &report);
  }
  EXPECT_TRUE(dir.lines("BOUND.OUT").empty());
}

TEST(StartupConfig, LandOceanRatioAboveTwoFollowsUserSensitivity) {
  RunDir dir;
  dir.set("ORVMOD.CFG", 3, "2.5");
  dir.set("ORVUSER.CFG", 4, "2.5");
  auto s = fresh_state();
  run_startup(dir, *s);
  EXPECT_NEAR(s->RLO, 1.05 + 0.6228 * std::exp(-0.339 * 2.5), 1e-5);

  RunDir dir2;
  dir2.set("ORVMOD.CFG", 3, "2.0");
  auto s2 = fresh_state();
  run_startup(dir2, *s2);
  EXPECT_FLOAT_EQ(s2->RLO, 2.0f);

  RunDir dir3;
  dir3.set("ORVMOD.CFG", 3, "1.0");
  auto s3 = fresh_state();
  run_startup(dir3, *s3);
  EXPECT_EQ(s3->IDIFFL, 0);
}

TEST(StartupConfig, EmulationSetSixReplacesModelItems) {
  RunDir dir;
  dir.set("ORVUSER.CFG", 7, "6");
  dir.set("ORVMOD.CFG", 3, "2.5");  // M1 applies first, then the set overrides it (docs/design/configuration.md)
  auto s = fresh_state();
  run_startup(dir, *s);
  EXPECT_FLOAT_EQ(s->QCO2COEF, 5.194f);
  EXPECT_FLOAT_EQ(s->DT2XUSER, 1.9f);
  EXPECT_FLOAT_EQ(s->TWZERONH, 1000.0f);
  EXPECT_FLOAT_EQ(s->TWZEROSH, 1000.0f);
  EXPECT_FLOAT_EQ(s->XK, 2.3f);
  EXPECT_FLOAT_EQ(s->RLO, 1.4f);
  EXPECT_FLOAT_EQ(s->XKLO, 0.5f);
  EXPECT_FLOAT_EQ(s->XKNS, 0.5f);
  const float slpar[8] = {0, 0.567f, 2.1f, 0.0608f, 0.0146f, -0.0305f, 3.147f, 1.143f};
  for (int k = 1; k <= 7; ++k) EXPECT_FLOAT_EQ(s->SLPAR[k], slpar[k]) << "SLPAR " << k;
  EXPECT_FLOAT_EQ(s->SLPAR[8], 0.005f);
  EXPECT_NEAR(s->Q2X, 5.194 * std::log(2.0), 1e-5);
  EXPECT_NEAR(s->XKH, 2.3 * 3155.76, 1e-2);
}

TEST(StartupConfig, NamedOnlyModelKeepsValuesButCopiesHemispheres) {
  RunDir dir;
  dir.set("ORVUSER.CFG", 7, "9");
  dir.set("ORVMOD.CFG", 7, "12.5");
  dir.set("ORVMOD.CFG", 8, "30.0");
  dir.set("ORVMOD.CFG", 9, "0.7");
  dir.set("ORVMOD.CFG", 10, "1.5");
  auto s = fresh_state();
  run_startup(dir, *s);
  EXPECT_FLOAT_EQ(s->QCO2COEF, 5.35f);
  EXPECT_FLOAT_EQ(s->DT2XUSER, 3.0f);
  EXPECT_FLOAT_EQ(s->TWZERONH, 12.5f);
  EXPECT_FLOAT_EQ(s->TWZEROSH, 12.5f);
  EXPECT_FLOAT_EQ(s->XKLO, 0.7f);
  EXPECT_FLOAT_EQ(s->XKNS, 0.7f);
  EXPECT_FLOAT_EQ(s->SLPAR[1], 0.607f);
}

TEST(StartupConfig, ShutdownModeCopiesNorthernZeroTemperature) {
  RunDir dir;
  dir.set("ORVUSER.CFG", 6, "2");
  dir.set("ORVMOD.CFG", 7, "9.0");
  dir.set("ORVMOD.CFG", 8, "30.0");
  auto s = fresh_state();
  run_startup(dir, *s);
  EXPECT_FLOAT_EQ(s->TWZEROSH, 9.0f);
  EXPECT_FLOAT_EQ(s->XKNS, 1.0f);
}

TEST(StartupConfig, AerosolTableAndUserCase) {
  const float dir90[4] = {0, -0.3f, -0.4f, -0.5f};
  const float ind90[4] = {0, -0.4f, -0.8f, -1.2f};
  const float foc90[4] = {0, 0.0f, 0.1f, 0.2f};
  for (int c = 1; c <= 3; ++c) {
    RunDir dir;
    dir.set("ORVUSER.CFG", 3, std::to_string(c));
    auto s = fresh_state();
    run_startup(dir, *s);
    EXPECT_FLOAT_EQ(s->QDIR90, dir90[c]);
    EXPECT_FLOAT_EQ(s->QIND90, ind90[c]);
    EXPECT_FLOAT_EQ(s->QBIO90, -0.2f);
    EXPECT_FLOAT_EQ(s->QFOC90, foc90[c]);
  }
  // The USER case keeps an indirect forcing of exactly 0.
  RunDir dir;
  dir.set("ORVUSER.CFG", 3, "4");
  dir.set("ORVGAS.CFG", 22, "0.0");
  auto s = fresh_state();
  run_startup(dir, *s);
  EXPECT_EQ(s->QIND90, 0.0f);
  EXPECT_FLOAT_EQ(s->QDIR90, -0.40f);
}

TEST(StartupConfig, AerosolCaseOutsideTableKeepsTinyIndirectForcing) {
  auto s = fresh_state();
  s->LEVSO4 = 0;
  s->XK = 1.0f;
  orv::apply_r1(*s);
  EXPECT_EQ(s->QDIR90, 0.0f);
  EXPECT_FLOAT_EQ(s->QIND90, -0.0001f);
  EXPECT_EQ(s->QFOC90, 0.0f);
}

TEST(StartupConfig, GasChemistryDefaultsReplaceValuesRead) {
  RunDir dir;
  dir.set("ORVGAS.CFG", 29, "0.5");
  dir.set("ORVGAS.CFG", 33, "0.04");
  auto s = fresh_state();
  run_startup(dir, *s);
  EXPECT_FLOAT_EQ(s->GASK1, 0.168f);
  EXPECT_FLOAT_EQ(s->GASK5, 0.0042f);

  RunDir dir2;
  dir2.set("ORVGAS.CFG", 29, "0.5");
  dir2.set("ORVGAS.CFG", 34, "0");
  auto s2 = fresh_state();
  run_startup(dir2, *s2);
  EXPECT_FLOAT_EQ(s2->GASK1, 0.5f);
}

TEST(StartupConfig, ExtraZeroAndRunSettings) {
  RunDir dir;
  dir.set("ORVXTRA.CFG", 22, "1");
  dir.set("ORVXTRA.CFG", 2, "2.5");
  dir.set("ORVRUN.CFG", 1, "9");
  dir.set("ORVMOD.CFG", 11, "1");
  dir.write("co2input.dat", " 1990\n 1990  354.0\n");
  auto s = fresh_state();
  run_startup(dir, *s);
  EXPECT_EQ(s->CNOXM, 0.0f);
  EXPECT_EQ(s->CCOM, 0.0f);
  EXPECT_EQ(s->CVOCM, 0.0f);
  EXPECT_FLOAT_EQ(s->DCNOX, 0.00105f);
  EXPECT_FLOAT_EQ(s->DT, 1.0f);
  EXPECT_EQ(s->NSIMS, 1);
  EXPECT_EQ(s->IMETH, 0);  // prescribed CO2 drops the oxidation term
}

TEST(StartupConfig, OtherRunModesGiveFourSimulations) {
  RunDir dir;
  dir.set("ORVRUN.CFG", 1, "2");
  auto s = fresh_state();
  run_startup(dir, *s);
  EXPECT_EQ(s->NSIMS, 4);
}

TEST(StartupConfig, LastYearLimitedTo2504) {
  RunDir dir;
  dir.set("ORVUSER.CFG", 10, "3000");
  auto s = fresh_state();
  orv::read_config_file(*s, orv::ConfigFile::User, "ORVUSER.CFG");
  EXPECT_EQ(s->IYEND, 3000);
  orv::derive_after(orv::ConfigFile::User, *s, nullptr);
  EXPECT_EQ(s->IYEND, 2504);
}

TEST(StartupConfig, ShortOrMalformedFileNamesFileAndRecord) {
  RunDir dir;
  dir.write("ORVRUN.CFG", "         1\n         1\n");
  auto s = fresh_state();
  try {
    orv::read_config_file(*s, orv::ConfigFile::Run, "ORVRUN.CFG");
    FAIL() << "a short file was accepted";
  } catch (const rec::Error& e) {
    EXPECT_NE(std::string(e.what()).find("ORVRUN.CFG, record 3"), std::string::npos) << e.what();
  }
  dir.set("ORVMOD.CFG", 4, "7O.0");
  try {
    orv::read_config_file(*s, orv::ConfigFile::Mod, "ORVMOD.CFG");
    FAIL() << "a malformed real was accepted";
  } catch (const rec::Error& e) {
    EXPECT_NE(std::string(e.what()).find("ORVMOD.CFG, record 4"), std::string::npos) << e.what();
  }
}

// Settings the model cannot run with: each names its file, record and the
// values accepted.
struct BadSetting {
  const char* file;
  int record;
  const char* value;
  const char* message;
};

class StartupConfigRejects : public ::testing::TestWithParam<BadSetting> {};

TEST_P(StartupConfigRejects, WithFileRecordAndRange) {
  const BadSetting& b = GetParam();
  RunDir dir;
  dir.set(b.file, b.record, b.value);
  auto s = fresh_state();
  rec::Unit report;
  try {
    orv::startup(*s, report);
    FAIL() << b.file << " record " << b.record << " = " << b.value << " was accepted";
  } catch (const rec::Error& e) {
    EXPECT_NE(std::string(e.what()).find(b.message), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("expected"), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StartupConfigRejects,
    ::testing::Values(
        BadSetting{"ORVUSER.CFG", 1, "0", "ORVUSER.CFG, record 1: LEVCO2 = 0"},
        BadSetting{"ORVUSER.CFG", 3, "-1", "ORVUSER.CFG, record 3: LEVSO4 = -1"},
        BadSetting{"ORVGAS.CFG", 9, "0", "ORVGAS.CFG, record 9: LEVCH4 = 0"},
        BadSetting{"ORVUSER.CFG", 4, "0.0", "ORVUSER.CFG, record 4: DT2XUSER = 0"},
        BadSetting{"ORVUSER.CFG", 5, "0.0", "ORVUSER.CFG, record 5: XK = 0"},
        BadSetting{"ORVUSER.CFG", 7, "11", "ORVUSER.CFG, record 7: IMODEL = 11"},
        BadSetting{"ORVUSER.CFG", 7, "-1", "ORVUSER.CFG, record 7: IMODEL = -1"},
        BadSetting{"ORVUSER.CFG", 8, "2150", "ORVUSER.CFG, record 8: IREFYR = 2150"},
        BadSetting{"ORVUSER.CFG", 10, "1999", "ORVUSER.CFG, record 10: IYEND = 1999"},
        BadSetting{"ORVUSER.CFG", 11, "0", "ORVUSER.CFG, record 11: IPRTSTEP = 0"},
        BadSetting{"ORVGAS.CFG", 10, "0.0", "ORVGAS.CFG, record 10: TAUCH4U = 0"},
        BadSetting{"ORVGAS.CFG", 12, "9.6", "ORVGAS.CFG, record 12: DTAUCH4 = 9.6"},
        BadSetting{"ORVGAS.CFG", 13, "0.0", "ORVGAS.CFG, record 13: TAUSINK1 = 0"},
        BadSetting{"ORVGAS.CFG", 14, "-5.0", "ORVGAS.CFG, record 14: TAUSINK2 = -5"},
        BadSetting{"ORVGAS.CFG", 17, "0.0", "ORVGAS.CFG, record 17: TAUN2O = 0"},
        BadSetting{"ORVMOD.CFG", 2, "0.0", "ORVMOD.CFG, record 2: QCO2COEF = 0"},
        BadSetting{"ORVMOD.CFG", 3, "0.0", "ORVMOD.CFG, record 3: RLO = 0"},
        BadSetting{"ORVMOD.CFG", 4, "0.0", "ORVMOD.CFG, record 4: HM = 0"},
        BadSetting{"ORVMOD.CFG", 7, "0.0", "ORVMOD.CFG, record 7: TWZERONH = 0"},
        BadSetting{"ORVMOD.CFG", 8, "0.0", "ORVMOD.CFG, record 8: TWZEROSH = 0"},
        BadSetting{"ORVRUN.CFG", 2, "0", "ORVRUN.CFG, record 2: IDISSTEP = 0"},
        BadSetting{"ORVRUN.CFG", 5, "6", "ORVRUN.CFG, record 5: IWSCALE = 6"},
        BadSetting{"ORVXTRA.CFG", 2, "0.0", "ORVXTRA.CFG, record 2: DT = 0"},
        BadSetting{"ORVXTRA.CFG", 2, "-0.5", "ORVXTRA.CFG, record 2: DT = -0.5"},
        // A 0.01-year step passed start-up and then stopped the first simulation.
        BadSetting{"ORVXTRA.CFG", 2, "0.01", "ORVXTRA.CFG, record 2: DT = 0.01"},
        BadSetting{"ORVXTRA.CFG", 4, "0", "ORVXTRA.CFG, record 4: IEMSTEP = 0"},
        BadSetting{"ORVXTRA.CFG", 5, "0", "ORVXTRA.CFG, record 5: ICCSTEP = 0"},
        BadSetting{"ORVXTRA.CFG", 6, "0", "ORVXTRA.CFG, record 6: ICONCSTEP = 0"},
        BadSetting{"ORVXTRA.CFG", 7, "0", "ORVXTRA.CFG, record 7: IQSTEP = 0"},
        BadSetting{"ORVXTRA.CFG", 10, "0.0", "ORVXTRA.CFG, record 10: ESNAT = 0"},
        BadSetting{"ORVXTRA.CFG", 12, "0.0", "ORVXTRA.CFG, record 12: CH4CONV = 0"},
        BadSetting{"ORVXTRA.CFG", 23, "0.0", "ORVXTRA.CFG, record 23: N2OCONV = 0"},
        BadSetting{"ORVXTRA.CFG", 25, "0", "ORVXTRA.CFG, record 25: LAGN2O = 0"},
        BadSetting{"ORVXTRA.CFG", 25, "237", "ORVXTRA.CFG, record 25: LAGN2O = 237"},
        BadSetting{"ORVXTRA.CFG", 27, "0.0", "ORVXTRA.CFG, record 27: ES1990 = 0"},
        // Out-of-range switches and steps that once passed unchanged: a
        // negative table step, an ice-melt case that overflowed the sea
        // level, a driving temperature and a zero upwelling.
        BadSetting{"ORVUSER.CFG", 11, "-5", "ORVUSER.CFG, record 11: IPRTSTEP = -5"},
        BadSetting{"ORVUSER.CFG", 12, "7", "ORVUSER.CFG, record 12: IUSERICE = 7"},
        BadSetting{"ORVUSER.CFG", 12, "-99999", "ORVUSER.CFG, record 12: IUSERICE = -99999"},
        BadSetting{"ORVRUN.CFG", 5, "9", "ORVRUN.CFG, record 5: IWSCALE = 9"},
        BadSetting{"ORVMOD.CFG", 5, "0.0", "ORVMOD.CFG, record 5: W0 = 0"},
        // Values that once ran to the end with non-finite or overflowed
        // results: each is now outside its item's physical bounds.
        BadSetting{"ORVGAS.CFG", 15, "", "ORVGAS.CFG, record 15: CH4C90 = 0; expected a number from 1000 to 3000 ppb"},
        BadSetting{"ORVGAS.CFG", 15, "-1", "ORVGAS.CFG, record 15: CH4C90 = -1"},
        BadSetting{"ORVUSER.CFG", 4, "1e-45",
                   "ORVUSER.CFG, record 4: DT2XUSER = 1.4013e-45; expected a number from "
                   "0.1 to 20 degC"},
        BadSetting{"ORVUSER.CFG", 4, "1e30", "ORVUSER.CFG, record 4: DT2XUSER = 1e+30"},
        BadSetting{"ORVMOD.CFG", 1, "-1.0", "ORVMOD.CFG, record 1: TOFAC = -1; expected a number from 0.5 to 2"},
        BadSetting{"ORVMOD.CFG", 4, "1e-45", "ORVMOD.CFG, record 4: HM = 1.4013e-45"},
        BadSetting{"ORVMOD.CFG", 9, "-1.0", "ORVMOD.CFG, record 9: XKLO = -1"},
        BadSetting{"ORVGAS.CFG", 5, "1e30", "ORVGAS.CFG, record 5: CCFB2 = 1e+30; expected a number from 0 to 0.15"},
        BadSetting{"ORVGAS.CFG", 6, "1e30", "ORVGAS.CFG, record 6: CCFB3 = 1e+30"},
        BadSetting{"ORVGAS.CFG", 7, "1e30", "ORVGAS.CFG, record 7: CCFB4 = 1e+30"},
        BadSetting{"ORVGAS.CFG", 7, "-1", "ORVGAS.CFG, record 7: CCFB4 = -1"},
        BadSetting{"ORVGAS.CFG", 20, "1e30", "ORVGAS.CFG, record 20: QN2OC = 1e+30"},
        BadSetting{"ORVGAS.CFG", 26, "1e30", "ORVGAS.CFG, record 26: QO3DU = 1e+30"},
        BadSetting{"ORVXTRA.CFG", 14, "1e30", "ORVXTRA.CFG, record 14: DSOH = 1e+30"},
        BadSetting{"ORVXTRA.CFG", 17, "1e30", "ORVXTRA.CFG, record 17: DCNOX = 1e+30"},
        BadSetting{"ORVXTRA.CFG", 19, "1e30", "ORVXTRA.CFG, record 19: DCCO = 1e+30"},
        BadSetting{"ORVXTRA.CFG", 20, "1e30", "ORVXTRA.CFG, record 20: CVOCM = 1e+30"}));

TEST(StartupConfigAccepts, ValuesAtTheEndsOfTheirRanges) {
  RunDir dir;
  dir.set("ORVUSER.CFG", 3, "0");     // no aerosol forcing
  dir.set("ORVUSER.CFG", 12, "3");    // HIGH ice melt for the USER set
  dir.set("ORVXTRA.CFG", 3, "6");     // a table layout without rows
  dir.set("ORVXTRA.CFG", 2, "0.02");  // the shortest step the time loop runs
  dir.set("ORVXTRA.CFG", 25, "100");  // the longest N2O lag
  auto s = fresh_state();
  rec::Unit report;
  EXPECT_NO_THROW(orv::startup(*s, report));
  EXPECT_EQ(s->LEVSO4, 0);
  EXPECT_EQ(s->ITEMPTAB, 6);
  EXPECT_FLOAT_EQ(s->DT, 0.02f);
}

}  // namespace
