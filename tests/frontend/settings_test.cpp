// The settings file and its validation: what users get told when a setting
// is wrong, and the translation of readable names into program values.
#include <gtest/gtest.h>

#include <string>

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
            "my.ini, line 2: [orvxtra] DT = \"0\": expected a number above 0 up to 1");
  EXPECT_EQ(error_of("[orvmod]\nHM = 70m\n"),
            "my.ini, line 2: [orvmod] HM = \"70m\": expected a number above 0");
  EXPECT_EQ(error_of("[orvrun]\nIRUNMODE = 0\n"),
            "my.ini, line 2: [orvrun] IRUNMODE = \"0\": expected an integer equal to 1");
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
