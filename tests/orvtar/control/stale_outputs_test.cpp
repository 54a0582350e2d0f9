// Whole runs of orvtar after an earlier run in the same folder: a run that
// fails leaves none of the earlier run's files that it would have written,
// and a run mode without drive files leaves earlier drive files alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "orvtar/control/stale_outputs.h"
#include "orvtar_run.h"
#include "support/earlier_outputs.h"

namespace {

using e2e::OrvtarRun;

const std::vector<std::string> REPORT_AND_DISPLAY = {"ORV.OUT",   "temps.dis",    "sealev.dis",
                                                     "concs.dis", "forcings.dis", "emiss.dis"};
const std::vector<std::string> DRIVE = {"lodrive.raw", "lodrive.out", "middrive.raw", "middrive.out",
                                        "hidrive.raw", "hidrive.out", "usrdrive.raw", "usrdrive.out"};

std::vector<testsupport::fs::path> in_run(const OrvtarRun& r, const std::vector<std::string>& names) {
  std::vector<testsupport::fs::path> paths;
  for (const std::string& n : names) paths.push_back(r.path() / n);
  return paths;
}

// A sound run in mode 1 (all fourteen files), every file then marked as
// left by it.
void earlier_run_of_every_file(OrvtarRun& r) {
  r.set("ORVRUN.CFG", 1, 1);
  ASSERT_EQ(r.run(), 0) << r.text("stderr.txt");
  testsupport::mark_as_earlier(in_run(r, REPORT_AND_DISPLAY));
  testsupport::mark_as_earlier(in_run(r, DRIVE));
}

// A GAS.EMK record with a letter in its CO2 column: the run fails at the
// last file of its start-up.
void break_gas_emk(OrvtarRun& r) {
  std::string text = r.text("GAS.EMK");
  const std::string::size_type at = text.find("  2005    7.9710");
  ASSERT_NE(at, std::string::npos);
  text.replace(at, 16, "  2005    7.97x0");
  r.write("GAS.EMK", text);
}

TEST(OrvtarStaleOutputs, TheListNamesWhatTheWritersWrite) {
  std::vector<std::string> every, drive;
  for (const orv::OutputFile& f : orv::output_files())
    (f.by == orv::WrittenBy::EveryRun ? every : drive).push_back(f.name);
  EXPECT_EQ(every, REPORT_AND_DISPLAY);
  EXPECT_EQ(drive, DRIVE);
}

TEST(OrvtarStaleOutputs, FailedRunLeavesNoFileOfAnEarlierRun) {
  OrvtarRun r;
  ASSERT_NO_FATAL_FAILURE(earlier_run_of_every_file(r));
  ASSERT_NO_FATAL_FAILURE(break_gas_emk(r));
  EXPECT_EQ(r.run(), 2);
  EXPECT_NE(r.text("stderr.txt").find("GAS.EMK"), std::string::npos) << r.text("stderr.txt");
  EXPECT_EQ(testsupport::still_marked(in_run(r, REPORT_AND_DISPLAY)), std::vector<std::string>{});
  EXPECT_EQ(testsupport::still_marked(in_run(r, DRIVE)), std::vector<std::string>{});
  // The report holds what this run wrote; no display or drive file was reached.
  EXPECT_TRUE(r.exists("ORV.OUT"));
  for (const std::string& f : REPORT_AND_DISPLAY) {
    if (f != "ORV.OUT") {
      EXPECT_FALSE(r.exists(f)) << f;
    }
  }
  for (const std::string& f : DRIVE) EXPECT_FALSE(r.exists(f)) << f;
}

TEST(OrvtarStaleOutputs, RunStoppedByItsResultsLeavesNoFileOfAnEarlierRun) {
  OrvtarRun r;
  ASSERT_NO_FATAL_FAILURE(earlier_run_of_every_file(r));
  // An extra forcing of -20 W/m**2 cools beyond what the report can print:
  // the start-up reads every file, the simulations stop the run.
  std::string extra = "     1\n  2000 2100\n";
  for (int year = 2000; year <= 2100; ++year) extra += "  " + std::to_string(year) + "       0.0\n";
  r.write("qextra.in", extra);
  r.set("ORVMOD.CFG", 13, 1);       // IQEXTRA
  r.set("ORVMOD.CFG", 14, "20.0");  // QOFFSET
  EXPECT_EQ(r.run(), 2);
  EXPECT_NE(r.text("stderr.txt").find("QOFFSET = 20"), std::string::npos) << r.text("stderr.txt");
  EXPECT_EQ(testsupport::still_marked(in_run(r, REPORT_AND_DISPLAY)), std::vector<std::string>{});
  EXPECT_EQ(testsupport::still_marked(in_run(r, DRIVE)), std::vector<std::string>{});
}

TEST(OrvtarStaleOutputs, FailureAtTheCo2HistoryLeavesNoReportOfAnEarlierRun) {
  OrvtarRun r;
  ASSERT_NO_FATAL_FAILURE(earlier_run_of_every_file(r));
  std::string text = r.text("co2hist.IN");
  const std::string::size_type at = text.find("  1766  278.1062");
  ASSERT_NE(at, std::string::npos);
  text.replace(at, 16, "  1766  278.1x62");
  r.write("co2hist.IN", text);
  EXPECT_EQ(r.run(), 2);
  EXPECT_EQ(r.text("stderr.txt").rfind("orvtar: co2hist.IN, record 3:", 0), 0u) << r.text("stderr.txt");
  for (const std::string& f : REPORT_AND_DISPLAY) EXPECT_FALSE(r.exists(f)) << f;
  // The configuration was not read: the run mode, and with it whether
  // this run writes drive files, is unknown, so they stay.
  EXPECT_EQ(testsupport::still_marked(in_run(r, DRIVE)).size(), DRIVE.size());
}

TEST(OrvtarStaleOutputs, ModeWithoutDriveFilesLeavesEarlierOnesAlone) {
  OrvtarRun r;
  ASSERT_NO_FATAL_FAILURE(earlier_run_of_every_file(r));
  std::vector<std::string> drive_text;
  for (const std::string& f : DRIVE) drive_text.push_back(r.text(f));

  for (int mode : {0, 9}) {
    SCOPED_TRACE(mode);
    r.set("ORVRUN.CFG", 1, mode);
    ASSERT_EQ(r.run(), 0) << r.text("stderr.txt");
    EXPECT_EQ(testsupport::still_marked(in_run(r, REPORT_AND_DISPLAY)), std::vector<std::string>{});
    for (std::size_t k = 0; k < DRIVE.size(); ++k) EXPECT_EQ(r.text(DRIVE[k]), drive_text[k]) << DRIVE[k];
  }

  // Nor does a failed run of such a mode remove them.
  testsupport::mark_as_earlier(in_run(r, REPORT_AND_DISPLAY));
  ASSERT_NO_FATAL_FAILURE(break_gas_emk(r));
  EXPECT_EQ(r.run(), 2);
  EXPECT_EQ(testsupport::still_marked(in_run(r, REPORT_AND_DISPLAY)), std::vector<std::string>{});
  for (std::size_t k = 0; k < DRIVE.size(); ++k) EXPECT_EQ(r.text(DRIVE[k]), drive_text[k]) << DRIVE[k];
}

}  // namespace
