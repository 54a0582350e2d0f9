// Run-header records shared by the engines' reports, and the output
// directories.
#include "engines/common/run_headers.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engines/common/output_dirs.h"
#include "support/scratch_dir.h"

namespace {

using testsupport::ScratchWorkDir;
using testsupport::read_lines;
using testsupport::write_lines;

eng::EngineConfig config(int nmods) {
  eng::EngineConfig c;
  c.IVAR = 2;
  c.ISEAS = 13;
  c.ISCALE = 2;
  c.IPSET = 2;
  c.ISCEN = 1;
  c.IYEAR = 2075;
  c.IDEF = 3;
  c.NMODS = c.NMODIN = c.NMSHOW = nmods;
  c.NCASES = 2 * nmods;
  for (int k = 1; k <= nmods; ++k) c.IMOD[k] = k;
  return c;
}

TEST(RunHeaders, ExactTexts) {
  ScratchWorkDir dir("engcommon");
  eng::EngineConfig c = config(4);
  {
    rec::Unit out("OUT", rec::Status::Unknown);
    eng::write_scaling_header(out, c);
    eng::write_definition_header(out, c);
    eng::write_run_header(out, c);
    c.ISCALE = 1;
    c.IVAR = 1;
    c.ISEAS = 17;
    c.IDEF = 2;
    c.NCASES = 4;
    c.NMSHOW = 0;
    c.IPSET = 1;
    c.ISCEN = 2;
    eng::write_scaling_header(out, c);
    eng::write_definition_header(out, c);
    eng::write_run_header(out, c);
  }
  const std::vector<std::string> expected = {
      "",
      " ***  4 MODELS : VARIABLE = PRECIP -- EXPONENTIAL SCALING : SEASON = DJF ***",
      "",
      " *** DEFINITION 1 & 2 RESULTS ***  :  8 CASES",
      " *** ORVANE MODEL =    USER : SCENARIO = REFRNCE : YEAR = 2075 ***",
      "",
      " ***  0 MODELS : VARIABLE =   TEMP -- LINEAR SCALING : SEASON = ANN ***",
      "",
      " *** DEFINITION 2 RESULTS ONLY *** :  4 CASES",
      " *** ORVANE MODEL = DEFAULT : SCENARIO =  POLICY : YEAR = 2075 ***"};
  EXPECT_EQ(read_lines("OUT"), expected);
}

TEST(RunHeaders, ModelListContinuesSixToALine) {
  ScratchWorkDir dir("engcommon");
  {
    rec::Unit out("OUT", rec::Status::Unknown);
    eng::write_models_header(out, config(14));
    eng::write_models_header(out, config(1));
  }
  const std::vector<std::string> expected = {
      "",
      "  MODELS  : GC01TR98 : GC02TR99 : GC03TR96 : GC04TR98 : GC05TR96 : GC06TR98 :",
      " GC07TR95 : GC08TR98 : GC09TR90 : GC10TR95 : GC11TR95 : GC12TR00 :",
      " GC13TR97 : GC14TR98 :",
      "",
      "  MODELS  : GC01TR98 :"};
  EXPECT_EQ(read_lines("OUT"), expected);
}

TEST(OutputDirectories, CreatedWhenMissingAndRefusedWhenAFileIsInTheWay) {
  ScratchWorkDir dir("engcommon");
  eng::ensure_directory("IMOUT");
  eng::ensure_directory("IMOUT");
  EXPECT_TRUE(std::filesystem::is_directory("IMOUT"));
  write_lines("TESSERA", {"not a directory"});
  try {
    eng::ensure_directory("TESSERA");
    ADD_FAILURE() << "a file accepted as directory";
  } catch (const rec::Error& e) {
    EXPECT_NE(std::string(e.what()).find("TESSERA"), std::string::npos);
  }
}

}  // namespace
