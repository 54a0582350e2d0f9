// The settings file and its validation: what users get told when a setting
// is wrong, and the translation of readable names into program values.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "frontend/bundled_scenarios.h"
#include "frontend/run_settings.h"
#include "frontend/settings_file.h"
#include "records/record_io.h"

namespace {

std::string error_of(const std::string& text) {
  try {
    fe::validate_settings(fe::parse_settings(text, "my.ini"), PROJECT_DATA_DIR);
  } catch (const rec::Error& e) {
    return e.what();
  }
  return "";
}

TEST(Settings, DefaultsTextIsValidAndMatchesTheBundledConfiguration) {
  fe::RunSettings rs =
      fe::validate_settings(fe::parse_settings(fe::default_settings_text(), "init"), PROJECT_DATA_DIR);
  EXPECT_EQ(rs.orvtar.size(), 94u);
  EXPECT_EQ(rs.orvtar.at("LEVCO2"), "2");
  EXPECT_EQ(rs.orvtar.at("ES1990"), "63.968");
  EXPECT_EQ(rs.orvtar.at("IRUNMODE"), "1");
  EXPECT_EQ(rs.reference.label, "RCP4.5");
  EXPECT_EQ(rs.policy.label, "RCP2.6");
  EXPECT_NE(rs.policy.emk.find("GAS-RCP26.EMK"), std::string::npos);
  EXPECT_NE(rs.policy.qhalos.find("QHALOS-RCP26.IN"), std::string::npos);
  EXPECT_EQ(rs.engines.IMOD.size(), 17u);
  EXPECT_EQ(rs.engines.ISEAS, 17);
}

TEST(Settings, ErrorsNameTheFileTheLineAndTheAcceptedValues) {
  EXPECT_EQ(error_of("[orvuser]\n\nLEVCO2 = 7\n"),
            "my.ini, line 3: [orvuser] LEVCO2 = \"7\": expected an integer from 1 to 4");
  EXPECT_EQ(error_of("[orvxtra]\nDT = 0\n"),
            "my.ini, line 2: [orvxtra] DT = \"0\": expected a number of at least 0.02 yr");
  EXPECT_EQ(error_of("[orvmod]\nHM = 70m\n"),
            "my.ini, line 2: [orvmod] HM = \"70m\": expected a number from 10 to 500 m");
  EXPECT_NE(error_of("[orvrun]\nIRUNMODE = 0\n").find("line 2: [orvrun] IRUNMODE = \"0\": expected 1"),
            std::string::npos);
  EXPECT_NE(error_of("[orvgas]\nLEVC02 = 2\n").find("line 2: [orvgas] LEVC02"), std::string::npos);
  EXPECT_NE(error_of("[weather]\nx = 1\n").find("line 2: unknown section [weather]"), std::string::npos);
  EXPECT_NE(error_of("[engines]\nseason = WINTER\n").find("DJF, MAM, JJA, SON, or ANN"), std::string::npos);
  EXPECT_NE(error_of("[engines]\nmodels = GC01 GC18\n").find("GC01 to GC17"), std::string::npos);
  EXPECT_NE(error_of("[engines]\nmodels = GC01, GC01\n").find("listed twice"), std::string::npos);
  EXPECT_NE(error_of("[engines]\narea = box 60 30 0 10\n").find("southern limit below"), std::string::npos);
  EXPECT_NE(error_of("[scenarios]\nreference = RCP9.9\n").find("RCP2.6, RCP4.5"), std::string::npos);
  EXPECT_NE(error_of("[engines]\nyear = 2150\n").find("line 2: [engines] year 2150"), std::string::npos);
  EXPECT_NE(error_of("[engines]\nmodels = none\naerosols = off\n").find("line 2"), std::string::npos);
  EXPECT_NE(error_of("[orvmod]\nICO2CONC = 1\n").find("co2_file"), std::string::npos);
  EXPECT_NE(error_of("[orvuser]\nLEVCO2 = 2\nlevco2 = 3\n").find("line 3: \"levco2\" is set twice"),
            std::string::npos);
  EXPECT_NE(error_of("LEVCO2 = 2\n").find("line 1: \"LEVCO2\" comes before any [section]"),
            std::string::npos);
  EXPECT_NE(error_of("[orvuser]\nLEVCO2 2\n").find("line 2: expected \"key = value\""), std::string::npos);
}

fe::RunSettings with_scenarios(const std::string& scenarios) {
  return fe::validate_settings(fe::parse_settings("[scenarios]\n" + scenarios, "my.ini"), PROJECT_DATA_DIR);
}

// Every bundled scenario by its name and the spellings users type: any
// case, with or without punctuation; its own halocarbon forcing by default.
TEST(Settings, BundledScenariosResolveByNameInEverySpelling) {
  struct Case {
    const char* name;
    const char* file_tag;
    std::vector<const char*> spellings;
  };
  const Case cases[] = {
      {"RCP2.6", "RCP26", {"rcp2.6", "RCP26", "rcp 2.6"}},
      {"RCP4.5", "RCP45", {"Rcp4.5", "rcp45"}},
      {"RCP6.0", "RCP60", {"rcp6.0", "RCP60"}},
      {"RCP8.5", "RCP85", {"rcp8.5", "rcp85"}},
      {"SSP1-1.9", "SSP119", {"ssp1-1.9", "ssp119", "SSP1_1.9", "SSP1-19"}},
      {"SSP1-2.6", "SSP126", {"ssp1-2.6", "ssp126", "Ssp1-2.6"}},
      {"SSP2-4.5", "SSP245", {"ssp2-4.5", "ssp245", "SSP 2-4.5"}},
      {"SSP3-7.0", "SSP370", {"ssp3-7.0", "ssp370"}},
      {"SSP4-3.4", "SSP434", {"ssp4-3.4", "ssp434"}},
      {"SSP4-6.0", "SSP460", {"ssp4-6.0", "ssp460"}},
      {"SSP5-3.4-over", "SSP534-OVER", {"SSP5-3.4-OVER", "ssp534-over", "ssp534over", "SSP534OVER"}},
      {"SSP5-8.5", "SSP585", {"ssp5-8.5", "ssp585"}},
  };
  for (const Case& c : cases) {
    std::vector<const char*> all = c.spellings;
    all.push_back(c.name);
    for (const char* spelling : all) {
      fe::RunSettings rs = with_scenarios(std::string("reference = ") + spelling + "\npolicy = " + spelling + "\n");
      for (const fe::Scenario* s : {&rs.reference, &rs.policy}) {
        EXPECT_EQ(s->label, c.name) << spelling;
        EXPECT_EQ(s->emk, std::string(PROJECT_DATA_DIR) + "/GAS-" + c.file_tag + ".EMK") << spelling;
        EXPECT_EQ(s->qhalos, std::string(PROJECT_DATA_DIR) + "/QHALOS-" + c.file_tag + ".IN") << spelling;
      }
    }
    EXPECT_NE(fe::default_settings_text().find(c.name), std::string::npos) << "init does not list " << c.name;
  }
  EXPECT_EQ(fe::bundled_scenarios().size(), std::size(cases));

  // Halocarbons by name, and a bundled file given by its path is that scenario.
  fe::RunSettings rs = with_scenarios("reference = " + std::string(PROJECT_DATA_DIR) +
                                      "/GAS-SSP370.EMK\nreference_halocarbons = ssp5-8.5\n");
  EXPECT_EQ(rs.reference.label, "SSP3-7.0");
  EXPECT_EQ(rs.reference.es1990, "67.0565");
  EXPECT_EQ(rs.reference.qhalos, std::string(PROJECT_DATA_DIR) + "/QHALOS-SSP585.IN");

  EXPECT_NE(error_of("[scenarios]\nreference = SSP2-4.6\n").find("SSP1-1.9, SSP1-2.6, SSP2-4.5"), std::string::npos);
  EXPECT_NE(error_of("[scenarios]\nreference = ./ssp245\n").find("no file"), std::string::npos);
}

TEST(Settings, ES1990IsSetForProfilesGivenByPathOnly) {
  EXPECT_EQ(error_of("[scenarios]\npolicy = SSP1-2.6\npolicy_es1990 = 60\n"),
            "my.ini, line 3: [scenarios] policy_es1990 is for an emissions profile given by path: SSP1-2.6 "
            "carries its own 1990 SO2 emission, 67.0565 TgS/yr");
  std::string profile = std::string(TEST_DATA_DIR) + "/orvtar/e2e/GAS.EMK";
  EXPECT_EQ(error_of("[scenarios]\nreference = " + profile + "\nreference_es1990 = -3\n"),
            "my.ini, line 3: [scenarios] reference_es1990 = \"-3\": expected a number from 20 to 200 TgS/yr");
  fe::RunSettings rs = with_scenarios("reference = " + profile + "\nreference_es1990 = 66.5\n");
  EXPECT_EQ(rs.reference.label, "GAS.EMK");
  EXPECT_EQ(rs.reference.es1990, "66.5");
  EXPECT_EQ(rs.reference.es1990_source, "[scenarios] reference_es1990");
  EXPECT_EQ(rs.policy.es1990, "63.968");
  EXPECT_EQ(rs.policy.es1990_source, "bundled profile");
}

// Settings the climate model would refuse are refused here, before
// anything runs, at the line that holds them; those it accepts pass.
TEST(Settings, TheModelsOwnChecksRunBeforeAnythingElse) {
  EXPECT_EQ(error_of("[orvxtra]\nDT = 0.01\n"),
            "my.ini, line 2: [orvxtra] DT = \"0.01\": expected a number of at least 0.02 yr");
  EXPECT_NE(error_of("[orvxtra]\nESNAT = 0\n").find("line 2: [orvxtra] ESNAT = \"0\": expected a number from 5 to 200 TgS/yr"),
            std::string::npos);
  EXPECT_NE(error_of("[orvxtra]\nLAGN2O = 0\n").find("line 2: [orvxtra] LAGN2O = \"0\": expected an integer from 1"),
            std::string::npos);
  // A combination: the LOW CH4 lifetime TAUCH4M - DTAUCH4 would be negative.
  EXPECT_NE(error_of("[orvgas]\nTAUCH4M = 3\nDTAUCH4 = 4\n")
                .find("my.ini, line 3: [orvgas] DTAUCH4 = 4 leaves a LOW or HIGH CH4 lifetime of 0 or below"),
            std::string::npos);
  // The USER carbon cycle's 1990 gross deforestation, from two items.
  EXPECT_NE(error_of("[orvuser]\nLEVCO2 = 4\n[orvgas]\nFOC80SIN = 9.0\n").find("line 4: [orvgas] FOC80SIN = 9"),
            std::string::npos);
  EXPECT_EQ(error_of("[orvuser]\nLEVSO4 = 0\n"), "");
}

TEST(Settings, EngineNamesBecomeProgramValues) {
  fe::RunSettings rs = fe::validate_settings(
      fe::parse_settings("[engines]  # regional maps\n"
                         "variable = precip\nseason = jja\nmodels = GC03, gc12 GC17\n"
                         "area = box 30 60 -10 40\nscaling = exponential\nparameter_set = USER\n"
                         "aerosols = off\ndefinition = both\nthreshold = 2.5\nobserved = old\nyear = 2050\n"
                         "[orvuser]\nIYEND = 2100 # comment\n",
                         "x.ini"),
      PROJECT_DATA_DIR);
  const fe::EngineSettings& e = rs.engines;
  EXPECT_EQ(e.IVAR, 2);
  EXPECT_EQ(e.ISEAS, 15);
  EXPECT_EQ(e.IMOD, (std::vector<int>{3, 12, 17}));
  EXPECT_DOUBLE_EQ(e.XLAT1, 30);
  EXPECT_DOUBLE_EQ(e.XLON1, -10);
  EXPECT_EQ(e.IMASK, 0);
  EXPECT_EQ(e.ISCALE, 2);
  EXPECT_EQ(e.IPSET, 2);
  EXPECT_EQ(e.ISULF, 0);
  EXPECT_EQ(e.IDEF, 3);
  EXPECT_DOUBLE_EQ(e.THRESH, 2.5);
  EXPECT_EQ(e.OBSSET, "OLD");
  EXPECT_EQ(e.IYEAR, 2050);
  fe::RunSettings land = fe::validate_settings(fe::parse_settings("[engines]\narea = land\n", "y"),
                                               PROJECT_DATA_DIR);
  EXPECT_EQ(land.engines.IMASK, 1);
  EXPECT_EQ(land.engines.MASKID, 'L');
}

}  // namespace
