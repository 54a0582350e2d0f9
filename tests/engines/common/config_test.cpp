// Engine start-up: SHELL.CFG/EXTRA.CFG reading, the derived case list and
// counts, and the rejection of out-of-range settings.
#include "engines/common/config.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engines/common/file_names.h"
#include "support/scratch_dir.h"

namespace {

using testsupport::ScratchWorkDir;
using testsupport::write_lines;

std::string real(double v, const char* comment) {
  char b[64];
  std::snprintf(b, sizeof b, " %10.2f  %s", v, comment);
  return b;
}

std::string integer(int v, const char* comment) {
  char b[64];
  std::snprintf(b, sizeof b, " %10d  %s", v, comment);
  return b;
}

struct Shell {
  double XLAT1 = 30, XLAT2 = 60, XLON1 = -10, XLON2 = 40;
  int IMASK = 0;
  char MASKID = 'X';
  int IVAR = 1, ISEAS = 17, ISCALE = 1, IPSET = 1, ISCEN = 1, ISULF = 1, IYEAR = 2050;
  int NMODS = 3, IDEF = 1;
  std::vector<int> IMOD = {4, 9, 12};

  void write() const {
    std::vector<std::string> l = {
        "SHELL.CFG written by the test",
        real(XLAT1, "XLAT1"), real(XLAT2, "XLAT2"), real(XLON1, "XLON1"), real(XLON2, "XLON2"),
        integer(IMASK, "IMASK"), std::string(7, ' ') + MASKID + "   MASKID comment",
        integer(IVAR, "IVAR"), integer(ISEAS, "ISEAS"), integer(ISCALE, "ISCALE"),
        integer(IPSET, "IPSET"), integer(ISCEN, "ISCEN"), integer(ISULF, "ISULF"),
        integer(IYEAR, "IYEAR"), integer(NMODS, "NMODS"), integer(IDEF, "IDEF")};
    for (int m : IMOD) l.push_back(integer(m, "IMOD"));
    write_lines("SHELL.CFG", l);
  }
};

void write_extra(double THRESH, const std::string& OBSSET, int IBOTH) {
  write_lines("EXTRA.CFG", {"EXTRA.CFG written by the test", real(THRESH, "THRESH"),
                            " " + OBSSET + "        OBSSET", integer(IBOTH, "IBOTH")});
}

// The rec::Error text of a crossmod start-up, or "" when it succeeds.
std::string crossmod_error() {
  try {
    eng::EngineConfig c;
    eng::read_crossmod_config(c);
  } catch (const rec::Error& e) {
    return e.what();
  }
  return "";
}

TEST(CrossmodConfig, ReadsBothFilesIgnoringComments) {
  ScratchWorkDir dir("engcommon");
  Shell s;
  s.IMASK = 1;
  s.MASKID = 'L';
  s.IVAR = 2;
  s.ISEAS = 13;
  s.ISCALE = 2;
  s.IPSET = 2;
  s.ISCEN = 2;
  s.write();
  write_extra(0.25, "NEW", 0);
  eng::EngineConfig c;
  ASSERT_TRUE(eng::read_crossmod_config(c));
  EXPECT_DOUBLE_EQ(c.THRESH, 0.25);
  EXPECT_EQ(c.OBSSET, "NEW");
  EXPECT_DOUBLE_EQ(c.XLAT1, 30.0);
  EXPECT_DOUBLE_EQ(c.XLON1, -10.0);
  EXPECT_DOUBLE_EQ(c.XLON2, 40.0);
  EXPECT_EQ(c.MASKID, "L");
  EXPECT_EQ(eng::mask_file_name(c), "MASK.L");
  EXPECT_EQ(eng::weights_file_name(c), "TSU.UP");
  EXPECT_EQ(c.IVAR, 2);
  EXPECT_EQ(c.ISEAS, 13);
  EXPECT_EQ(c.IYEAR, 2050);
  EXPECT_EQ(c.KRUN, 0);
  EXPECT_EQ(c.NMODIN, 3);
  EXPECT_EQ(c.NCASES, 3);
  EXPECT_EQ(c.NMSHOW, 3);
  EXPECT_EQ(c.IMOD[3], 12);
  EXPECT_EQ(c.MODCODE[c.IMOD[2]], "GC09D1");
  EXPECT_EQ(eng::case_file_name(c, 2, '1', '2'), "/TS41/TESS-41/ENGINE/TRELLIS5/OUT/GC09TR90.1PM");
}

TEST(CrossmodConfig, ReadsTheBundledExample) {
  ScratchWorkDir dir("engcommon");
  for (const char* f : {"SHELL.CFG", "EXTRA.CFG"})
    std::filesystem::copy_file(std::string(TEST_DATA_DIR) + "/engines/common/" + f, f);
  eng::EngineConfig c;
  ASSERT_TRUE(eng::read_crossmod_config(c));
  EXPECT_EQ(c.OBSSET, "OLD");
  EXPECT_EQ(c.NMODIN, 4);
  EXPECT_EQ(c.NCASES, 4);
  EXPECT_EQ(c.IYEAR, 2050);
}

TEST(CrossmodConfig, IbothForcesModeThreeAndDoublesTheCaseList) {
  ScratchWorkDir dir("engcommon");
  Shell s;  // IDEF = 1, three models
  s.write();
  write_extra(0.0, "OLD", 1);
  eng::EngineConfig c;
  ASSERT_TRUE(eng::read_crossmod_config(c));
  EXPECT_EQ(c.IDEF, 3);
  EXPECT_EQ(c.NCASES, 6);
  EXPECT_EQ(c.NMODIN, 3);
  EXPECT_EQ(c.NMSHOW, 3);
  // Cases 4 … 6 are the definition-2 cases of the same models in the same order.
  const std::vector<std::string> codes = {"GC04D1", "GC09D1", "GC12D1",
                                          "GC04D2", "GC09D2", "GC12D2"};
  const std::string dir_ = "/TS41/TESS-41/ENGINE/TRELLIS5/OUT/";
  const std::vector<std::string> files = {dir_ + "GC04TR98.1TQ", dir_ + "GC09TR90.1TQ",
                                          dir_ + "GC12TR00.1TQ", dir_ + "GC04TR98.2TQ",
                                          dir_ + "GC09TR90.2TQ", dir_ + "GC12TR00.2TQ"};
  for (int k = 1; k <= 6; ++k) {
    EXPECT_EQ(c.MODCODE[c.IMOD[k]], codes[k - 1]) << k;
    EXPECT_EQ(eng::case_model(c, k), s.IMOD[(k - 1) % 3]) << k;
    EXPECT_EQ(eng::case_file_name(c, k, '1', '2'), files[k - 1]) << k;
  }
}

TEST(CrossmodConfig, DefinitionTwoCodesEndInD2) {
  ScratchWorkDir dir("engcommon");
  Shell s;
  s.IDEF = 2;
  s.NMODS = 4;
  s.IMOD = {1, 7, 17, 3};
  s.write();
  write_extra(0.0, "OLD", 0);
  eng::EngineConfig c;
  ASSERT_TRUE(eng::read_crossmod_config(c));
  EXPECT_EQ(c.NCASES, 4);
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(c.MODCODE[c.IMOD[k]].substr(4), "D2") << k;
    EXPECT_EQ(eng::case_file_name(c, k, '1', '2')[43], '2') << k;
  }
  EXPECT_EQ(c.MODCODE[17], "GC17D2");
  EXPECT_EQ(c.MODCODE[35], "MODBAR");
  // The catalogue itself is unchanged.
  EXPECT_EQ(eng::MODCODE_TABLE[1], "GC01D1");
}

TEST(CrossmodConfig, NoModelsWithAerosolsIsAnAerosolOnlyRun) {
  ScratchWorkDir dir("engcommon");
  Shell s;
  s.NMODS = 0;
  s.ISULF = 1;
  s.IMOD = {};
  s.write();
  write_extra(0.0, "OLD", 0);
  eng::EngineConfig c;
  ASSERT_TRUE(eng::read_crossmod_config(c));
  EXPECT_EQ(c.KRUN, 1);
  EXPECT_EQ(c.NMODS, 1);
  EXPECT_EQ(c.IMOD[1], 1);
  EXPECT_EQ(c.NCASES, 1);
  EXPECT_EQ(c.NMSHOW, 0);
}

TEST(CrossmodConfig, NoModelsWithoutAerosolsIsFatalAndReadsNoFurther) {
  ScratchWorkDir dir("engcommon");
  Shell s;
  s.NMODS = 0;
  s.ISULF = 0;
  s.IMOD = {};
  s.write();
  write_extra(0.0, "OLD", 0);
  eng::EngineConfig c;
  EXPECT_FALSE(eng::read_crossmod_config(c));
  EXPECT_EQ(c.KRUN, 2);
}

TEST(CrossmodConfig, MissingFileNamesIt) {
  ScratchWorkDir dir("engcommon");
  write_extra(0.0, "OLD", 0);
  EXPECT_NE(crossmod_error().find("SHELL.CFG"), std::string::npos);
}

TEST(CrossmodConfig, RejectsOutOfRangeSettingsNamingFileRecordAndAcceptedValues) {
  ScratchWorkDir dir("engcommon");
  struct Bad {
    void (*edit)(Shell&);
    const char* expected;
  };
  const Bad cases[] = {
      {[](Shell& s) { s.IVAR = 3; }, "SHELL.CFG, record 8: IVAR = 3 is not accepted; expected 1 (temperature) or 2 (precipitation)"},
      {[](Shell& s) { s.ISEAS = 18; }, "SHELL.CFG, record 9: ISEAS = 18"},
      {[](Shell& s) { s.ISEAS = 0; }, "SHELL.CFG, record 9: ISEAS = 0"},
      {[](Shell& s) { s.ISCALE = 0; }, "SHELL.CFG, record 10: ISCALE = 0 is not accepted; expected 1 (linear) or 2 (exponential)"},
      {[](Shell& s) { s.IPSET = 3; }, "SHELL.CFG, record 11: IPSET = 3"},
      {[](Shell& s) { s.ISCEN = -1; }, "SHELL.CFG, record 12: ISCEN = -1"},
      {[](Shell& s) { s.ISULF = 2; }, "SHELL.CFG, record 13: ISULF = 2"},
      {[](Shell& s) { s.NMODS = 18; }, "SHELL.CFG, record 15: NMODS = 18 is not accepted; expected a number of models from 0 to 17"},
      {[](Shell& s) { s.NMODS = -2; }, "SHELL.CFG, record 15: NMODS = -2"},
      {[](Shell& s) { s.IDEF = 4; }, "SHELL.CFG, record 16: IDEF = 4"},
      {[](Shell& s) { s.IMOD = {4, 18, 12}; }, "SHELL.CFG, record 18: IMOD = 18 is not accepted; expected a catalogue index from 1 to 17"},
      {[](Shell& s) { s.IMOD = {0, 9, 12}; }, "SHELL.CFG, record 17: IMOD = 0"},
  };
  for (const Bad& b : cases) {
    Shell s;
    b.edit(s);
    s.write();
    write_extra(0.0, "OLD", 0);
    EXPECT_NE(crossmod_error().find(b.expected), std::string::npos)
        << b.expected << "\n got: " << crossmod_error();
  }
  Shell s;
  s.write();
  // A threshold the titles cannot print (F5.1) is no pattern's: the field
  // as written, the value as the message shows it.
  const std::pair<const char*, const char*> refused[] = {{"100.0", "100"}, {"-99.95", "-99.95"}, {"1e30", "1e+30"}};
  for (const auto& [field, shown] : refused) {
    write_lines("EXTRA.CFG", {"EXTRA.CFG written by the test", std::string(" ") + field, " OLD", "          0"});
    EXPECT_EQ(crossmod_error(), std::string("EXTRA.CFG, record 2: THRESH = ") + shown +
                                    " is not accepted; expected a threshold from -99.9 to 99.9 (degC or % per degC "
                                    "of global warming)");
  }
  for (double THRESH : {99.9, -99.9}) {
    write_extra(THRESH, "OLD", 0);
    EXPECT_EQ(crossmod_error(), "") << THRESH;
  }
  write_extra(0.0, "old", 0);
  EXPECT_NE(crossmod_error().find("EXTRA.CFG, record 3: OBSSET = \"old\" is not accepted; expected \"OLD\" or \"NEW\""),
            std::string::npos)
      << crossmod_error();
}

TEST(CrossmodConfig, RangeChecksComeBeforeTheFatalPath) {
  ScratchWorkDir dir("engcommon");
  Shell s;
  s.NMODS = 0;
  s.ISULF = 0;
  s.IVAR = 5;
  s.IMOD = {};
  s.write();
  write_extra(0.0, "OLD", 0);
  EXPECT_NE(crossmod_error().find("record 8: IVAR = 5"), std::string::npos);
}

TEST(CrossmodConfig, IdefIsNotCheckedWhenIbothOverridesIt) {
  ScratchWorkDir dir("engcommon");
  Shell s;
  s.IDEF = 0;
  s.write();
  write_extra(0.0, "OLD", 1);
  eng::EngineConfig c;
  ASSERT_TRUE(eng::read_crossmod_config(c));
  EXPECT_EQ(c.IDEF, 3);
}

eng::EngineConfig varistat_config() {
  rec::Unit shell("SHELL.CFG", rec::Status::Old);
  eng::EngineConfig c;
  eng::read_varistat_config(shell, c);
  return c;
}

TEST(VaristatConfig, ModeThreeFileFamilies) {
  ScratchWorkDir dir("engcommon");
  Shell s;
  s.IDEF = 3;
  s.NMODS = 2;
  s.IMOD = {5, 2};
  s.ISULF = 1;
  s.write();
  const eng::EngineConfig c = varistat_config();
  EXPECT_EQ(c.ISULF, 0);
  EXPECT_EQ(c.NCASES, 4);
  EXPECT_EQ(c.NMODIN, 2);
  EXPECT_EQ(c.NMSHOW, 2);
  std::string digits;
  for (int k = 1; k <= c.NCASES; ++k) digits += eng::case_file_name(c, k, '5', '6')[43];
  EXPECT_EQ(digits, "5566");
  digits.clear();
  for (int k = 1; k <= c.NCASES; ++k) digits += eng::case_file_name(c, k, '1', '2')[43];
  EXPECT_EQ(digits, "1122");
  EXPECT_EQ(eng::case_file_name(c, 4, '5', '6'), "/TS41/TESS-41/ENGINE/TRELLIS5/OUT/GC02TR99.6TQ");
  EXPECT_EQ(eng::model_file_name(c.IMOD[1], '4', c.IVAR, c.ISEAS),
            "/TS41/TESS-41/ENGINE/TRELLIS5/OUT/GC05TR96.4TQ");
}

TEST(VaristatConfig, NoModelsRunsOnModelOne) {
  ScratchWorkDir dir("engcommon");
  Shell s;
  s.NMODS = 0;
  s.ISULF = 0;  // not fatal for the variability engine
  s.IDEF = 3;
  s.IMOD = {};
  s.write();
  const eng::EngineConfig c = varistat_config();
  EXPECT_EQ(c.NOMODS, 1);
  EXPECT_EQ(c.NMODS, 1);
  EXPECT_EQ(c.IMOD[1], 1);
  EXPECT_EQ(c.NCASES, 2);
  EXPECT_EQ(c.NMSHOW, 0);
  EXPECT_EQ(c.KRUN, 0);
}

TEST(VaristatConfig, AnyIsulfIsAcceptedButOtherRangesAreChecked) {
  ScratchWorkDir dir("engcommon");
  Shell s;
  s.ISULF = 7;
  s.write();
  EXPECT_EQ(varistat_config().ISULF, 0);
  s.IDEF = 0;
  s.write();
  try {
    varistat_config();
    ADD_FAILURE() << "IDEF = 0 accepted";
  } catch (const rec::Error& e) {
    EXPECT_NE(std::string(e.what()).find("SHELL.CFG, record 16: IDEF = 0"), std::string::npos)
        << e.what();
  }
}

}  // namespace
