// The positional files the front end writes, read back by the programs' own
// readers: every value must land in the item the settings named.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "engines/common/config.h"
#include "frontend/config_writer.h"
#include "orvtar/control/config_items.h"
#include "frontend/run_settings.h"
#include "frontend/settings_file.h"
#include "orvtar/control/config.h"
#include "support/scratch_dir.h"

namespace {

class InTempDir : public ::testing::Test {
 protected:
  testsupport::ScratchWorkDir dir_{"fe_writer"};
};

TEST_F(InTempDir, ClimateModelFilesReadBackItemByItem) {
  // A profile given by path takes [orvxtra] ES1990 (bundled ones carry their own).
  std::filesystem::copy_file(std::string(PROJECT_DATA_DIR) + "/GAS-RCP45.EMK", "MINE.EMK");
  fe::RunSettings rs = fe::validate_settings(
      fe::parse_settings("[scenarios]\nreference = MINE.EMK\n"
                         "[orvuser]\nLEVCO2 = 3\nDT2XUSER = 2.75\nIYEND = 2300\n"
                         "[orvgas]\nTAUN2O = 114.5\nLEVCH4 = 1\nITAUFB = 0\n"
                         "[orvmod]\nHM = 60\nXKNS = 0.8\n"
                         "[orvrun]\nIDISSTEP = 10\nIWSCALE = 3\n"
                         "[orvxtra]\nDT = 0.25\nLAGN2O = 2\nES1990 = 70.125\n",
                         "s.ini"),
      PROJECT_DATA_DIR);
  fe::write_orvtar_configs(rs, rs.reference, ".");
  auto s = std::make_unique<orv::OrvState>();
  rec::Unit report("ORV.OUT", rec::Status::Unknown);
  orv::read_config_files(*s, report);
  EXPECT_EQ(s->LEVCO2, 3);
  EXPECT_FLOAT_EQ(s->DT2XUSER, 2.75f);
  EXPECT_EQ(s->IYEND, 2300);
  EXPECT_EQ(s->IUSERICE, 2);
  EXPECT_FLOAT_EQ(s->TAUN2O, 114.5f);
  EXPECT_EQ(s->LEVCH4, 1);
  EXPECT_EQ(s->ITAUFB, 0);
  EXPECT_FLOAT_EQ(s->HM, 60.0f);
  EXPECT_FLOAT_EQ(s->XKNS, 0.8f);
  EXPECT_EQ(s->IRUNMODE, 1);
  EXPECT_EQ(s->IDISSTEP, 10);
  EXPECT_EQ(s->IWSCALE, 3);
  EXPECT_FLOAT_EQ(s->DT, 0.25f);
  EXPECT_EQ(s->LAGN2O, 2);
  EXPECT_FLOAT_EQ(s->ES1990, 70.125f);
  EXPECT_FLOAT_EQ(s->WTHC, 2.0f);
}

// The front end's defaults and the bundled default files must not drift
// apart: every record's value columns hold the same number.
TEST_F(InTempDir, DefaultsEqualTheBundledConfiguration) {
  fe::RunSettings rs = fe::validate_settings(fe::parse_settings("", "empty.ini"), PROJECT_DATA_DIR);
  fe::write_orvtar_configs(rs, rs.reference, ".");
  for (orv::ConfigFile f : orv::CONFIG_FILES) {
    const std::string_view file = orv::file_name(f);
    std::ifstream ours{std::string(file)};
    std::ifstream bundled(std::string(PROJECT_DATA_DIR) + "/defaults/" + std::string(file));
    std::string a, b;
    int record = 0;
    while (std::getline(bundled, b)) {
      ++record;
      ASSERT_TRUE(std::getline(ours, a)) << file << " record " << record;
      EXPECT_DOUBLE_EQ(std::stod(a.substr(0, 10)), std::stod(b.substr(0, 10))) << file << " record " << record;
    }
    EXPECT_FALSE(std::getline(ours, a)) << file << " has more records than the bundled one";
  }
}

// ES1990 belongs to the emissions profile: the RCPs' history has 63.968
// TgS/yr of SO2 in 1990, the SSPs' (CMIP6) 67.0565.
float es1990_written(const fe::RunSettings& rs, const fe::Scenario& scenario, const std::string& dir) {
  std::filesystem::create_directories(dir);
  fe::write_orvtar_configs(rs, scenario, dir);
  testsupport::WorkingDir cwd(dir);
  auto s = std::make_unique<orv::OrvState>();
  rec::Unit report("ORV.OUT", rec::Status::Unknown);
  orv::read_config_files(*s, report);
  return s->ES1990;
}

TEST_F(InTempDir, EachScenarioRunGetsItsOwnES1990) {
  fe::RunSettings mixed = fe::validate_settings(
      fe::parse_settings("[scenarios]\nreference = RCP4.5\npolicy = ssp126\n[orvxtra]\nES1990 = 50\n", "s.ini"),
      PROJECT_DATA_DIR);
  EXPECT_FLOAT_EQ(es1990_written(mixed, mixed.reference, "ref"), 63.968f);
  EXPECT_FLOAT_EQ(es1990_written(mixed, mixed.policy, "pol"), 67.0565f);
  EXPECT_EQ(testsupport::read_lines("pol/ORVXTRA.CFG").at(26).substr(0, 18), "   67.0565 ES1990 ");

  // Profiles given by path: their own setting, else [orvxtra] ES1990.
  std::filesystem::copy_file(std::string(PROJECT_DATA_DIR) + "/GAS-SSP245.EMK", "MINE.EMK");
  fe::RunSettings paths = fe::validate_settings(
      fe::parse_settings("[scenarios]\nreference = MINE.EMK\npolicy = MINE.EMK\npolicy_es1990 = 70.25\n"
                         "[orvxtra]\nES1990 = 68.5\n",
                         "s.ini"),
      PROJECT_DATA_DIR);
  EXPECT_FLOAT_EQ(es1990_written(paths, paths.reference, "ref2"), 68.5f);
  EXPECT_FLOAT_EQ(es1990_written(paths, paths.policy, "pol2"), 70.25f);
}

TEST_F(InTempDir, EngineFilesReadBackThroughTheEngineReader) {
  fe::RunSettings rs = fe::validate_settings(
      fe::parse_settings("[engines]\nvariable = PRECIP\nseason = DJF\nmodels = GC02 GC09\n"
                         "area = box -30.5 12.25 100 160\nscaling = exponential\nparameter_set = USER\n"
                         "aerosols = on\ndefinition = 2\nthreshold = -1.5\nobserved = OLD\nyear = 2075\n",
                         "s.ini"),
      PROJECT_DATA_DIR);
  fe::write_engine_configs(rs.engines, 2, ".");
  eng::EngineConfig c;
  ASSERT_TRUE(eng::read_crossmod_config(c));
  EXPECT_DOUBLE_EQ(c.THRESH, -1.5);
  EXPECT_EQ(c.OBSSET, "OLD");
  EXPECT_EQ(c.IBOTH, 0);
  EXPECT_DOUBLE_EQ(c.XLAT1, -30.5);
  EXPECT_DOUBLE_EQ(c.XLAT2, 12.25);
  EXPECT_DOUBLE_EQ(c.XLON1, 100);
  EXPECT_DOUBLE_EQ(c.XLON2, 160);
  EXPECT_EQ(c.IMASK, 0);
  EXPECT_EQ(c.IVAR, 2);
  EXPECT_EQ(c.ISEAS, 13);
  EXPECT_EQ(c.ISCALE, 2);
  EXPECT_EQ(c.IPSET, 2);
  EXPECT_EQ(c.ISCEN, 2);
  EXPECT_EQ(c.ISULF, 1);
  EXPECT_EQ(c.IYEAR, 2075);
  EXPECT_EQ(c.NMODS, 2);
  EXPECT_EQ(c.IDEF, 2);
  EXPECT_EQ(c.IMOD[1], 2);
  EXPECT_EQ(c.IMOD[2], 9);

  fe::RunSettings ocean =
      fe::validate_settings(fe::parse_settings("[engines]\narea = ocean\n", "s.ini"), PROJECT_DATA_DIR);
  fe::write_engine_configs(ocean.engines, 1, ".");
  eng::EngineConfig o;
  ASSERT_TRUE(eng::read_crossmod_config(o));
  EXPECT_EQ(o.IMASK, 1);
  EXPECT_EQ(o.MASKID, "O");
  EXPECT_EQ(o.NMODS, 17);
}

}  // namespace
