// The orvtar program at start-up, run in a scratch directory: it reads every
// file, applies the resets and writes their lines to ORV.OUT; a bad or
// missing file ends it with status 2 and a message, keeping the report as
// far as written.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "startup_dir.h"

namespace {

using orvtest::RunDir;
using ::testing::HasSubstr;
using ::testing::StartsWith;

struct Result {
  int status;
  std::string err;
};

Result run_orvtar(RunDir& dir) {
  const int status =
      testsupport::exit_status(std::string("'") + ORVTAR_EXE + "' > stdout.txt 2> stderr.txt");
  return {status, dir.text("stderr.txt")};
}

// A quick run: one simulation with yearly steps.
void quick(RunDir& dir) {
  dir.set("ORVRUN.CFG", 1, "9");
  dir.set("ORVXTRA.CFG", 2, "1.0");
}

const char* const G6_LINE = " LEVCO2, LEVCH4 AND/OR LEVSO4 WRONGLY SET > 4 : RESET AT 2";

TEST(OrvtarStartup, DefaultFilesRunToTheEnd) {
  RunDir dir;
  quick(dir);
  const Result r = run_orvtar(dir);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "ORV.OUT"));
}

TEST(OrvtarStartup, ResetLinesOpenTheReportInOrder) {
  RunDir dir;
  quick(dir);
  dir.set("ORVUSER.CFG", 3, "7");
  dir.set("ORVGAS.CFG", 7, "-0.1");
  const Result r = run_orvtar(dir);
  EXPECT_EQ(r.status, 0) << r.err;
  const auto out = dir.lines("ORV.OUT");
  ASSERT_GE(out.size(), 3u);
  EXPECT_EQ(out[0], G6_LINE);
  EXPECT_EQ(out[1], "");
  EXPECT_EQ(out[2], " *** ERROR : D80SIN SET TOO HIGH AT  3.502 : RESET AT  3.000 ***");
}

TEST(OrvtarStartup, BadSettingEndsWithStatusTwoKeepingTheReport) {
  RunDir dir;
  dir.set("ORVUSER.CFG", 1, "5");
  dir.set("ORVGAS.CFG", 9, "0");
  const Result r = run_orvtar(dir);
  EXPECT_EQ(r.status, 2);
  EXPECT_THAT(r.err, StartsWith("orvtar: ORVGAS.CFG, record 9: LEVCH4 = 0"));
  EXPECT_THAT(r.err, HasSubstr("expected an integer from 1 to 4"));
  const auto out = dir.lines("ORV.OUT");
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0], G6_LINE);
}

// A USER carbon cycle with a large 1980s ocean sink has no 1990 gross
// deforestation left, and the biomass aerosol forcing used to turn strongly
// positive (or infinite) from the division by it.
TEST(OrvtarStartup, UserCarbonCycleWithoutGrossDeforestationIsRejected) {
  RunDir dir;
  quick(dir);
  dir.set("ORVUSER.CFG", 1, "4");
  dir.set("ORVGAS.CFG", 3, "3.3");
  const Result r = run_orvtar(dir);
  EXPECT_EQ(r.status, 2);
  EXPECT_THAT(r.err, StartsWith("orvtar: ORVGAS.CFG, record 3: FOC80SIN = 3.3 with D80SIN = 1.13"));
  dir.set("ORVGAS.CFG", 3, "2.5");
  EXPECT_EQ(run_orvtar(dir).status, 0);
}

TEST(OrvtarStartup, MissingFilesEndWithStatusTwo) {
  for (const char* file : {"co2hist.IN", "ORVUSER.CFG", "ORVXTRA.CFG", "QHALOS.IN", "GAS.EMK"}) {
    RunDir dir;
    dir.set("ORVUSER.CFG", 1, "5");
    dir.remove(file);
    const Result r = run_orvtar(dir);
    EXPECT_EQ(r.status, 2) << file;
    EXPECT_THAT(r.err, StartsWith(std::string("orvtar: ") + file + ": cannot open")) << file;
    if (std::string(file) == "co2hist.IN" || std::string(file) == "ORVUSER.CFG") continue;
    EXPECT_EQ(dir.lines("ORV.OUT"), std::vector<std::string>{G6_LINE}) << file;
  }
}

TEST(OrvtarStartup, SwitchedOnInputsMustExist) {
  RunDir dir;
  dir.set("ORVMOD.CFG", 11, "2");
  Result r = run_orvtar(dir);
  EXPECT_EQ(r.status, 2);
  EXPECT_THAT(r.err, StartsWith("orvtar: co2input.dat: cannot open"));

  RunDir dir2;
  dir2.set("ORVMOD.CFG", 13, "1");
  r = run_orvtar(dir2);
  EXPECT_EQ(r.status, 2);
  EXPECT_THAT(r.err, StartsWith("orvtar: qextra.in: cannot open"));
}

TEST(OrvtarStartup, OldReportIsReplacedEvenWhenNothingIsWritten) {
  RunDir dir;
  dir.write("ORV.OUT", "a report of an earlier run\n");
  dir.set("ORVXTRA.CFG", 2, "0.0");
  const Result r = run_orvtar(dir);
  EXPECT_EQ(r.status, 2);
  EXPECT_THAT(r.err, HasSubstr("ORVXTRA.CFG, record 2: DT = 0"));
  EXPECT_TRUE(dir.lines("ORV.OUT").empty());
}

TEST(OrvtarStartup, MalformedRecordNamesFileRecordAndColumns) {
  RunDir dir;
  dir.set("ORVRUN.CFG", 2, "x");
  const Result r = run_orvtar(dir);
  EXPECT_EQ(r.status, 2);
  EXPECT_THAT(r.err, StartsWith("orvtar: ORVRUN.CFG, record 2: columns 1-10"));
}

// A prescribed-CO2 file saved with line ends of CR alone: the message shows
// the CRs and names the line ends, instead of rejecting a value that looks
// valid on a terminal.
TEST(OrvtarStartup, LineEndsOfCarriageReturnAloneAreNamed) {
  RunDir dir;
  quick(dir);
  dir.set("ORVMOD.CFG", 11, "2");
  dir.write("co2input.dat", "  2100\r  1990   354.200\r  2100   675.400\r");
  const Result r = run_orvtar(dir);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err,
            "orvtar: co2input.dat, record 2: end of file reached; a record was expected under format "
            "(1X,I5,F10.0); the file's lines end with CR alone (classic Mac OS line ends), expected LF or CR LF\n");
}

}  // namespace
