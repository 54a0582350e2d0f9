// Whole runs on the synthetic data tree of tesseragen: the largest
// configuration (17 models, both definitions) and a masked precipitation run
// under definition 2, checked for the shape of every file.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/synthetic_tree.h"
#include "tests/engines/varistat/tiny_tree.h"

namespace {

using namespace vstest;

class SyntheticTree : public ::testing::Test {
 protected:
  // Without tesseragen every test fails.
  void SetUp() override {
    ASSERT_TRUE(testsupport::make_synthetic_tree(
        scratch.data(), "--seasons ANN,JJA --workdir '" + scratch.work().string() + "'"));
  }
  Scratch scratch;
};

const char* const SDOUT_TABLE_FILES[] = {"GHGDELTA", "BASE-SD", "DELTA-SD",
                                         "BAROFSNR", "SNROFBAR", "INTERSNR"};

// Every file: no number the tables could not hold as a number.
void expect_clean_numbers(const std::string& name) {
  const std::string text = read_text(name);
  for (const char* bad : {"nan", "NAN", "inf", "INF"})
    EXPECT_EQ(text.find(bad), std::string::npos) << name << " holds " << bad;
}

void expect_tables(const std::string& name, int tables) {
  const auto lines = read_lines(name);
  EXPECT_EQ(count_lines(lines, " degN/degE -177.5"), 2 * tables) << name;
  int rows = 0;
  for (const auto& l : lines) rows += l.size() == 10 + 72 * 7 && l.substr(7, 3) == "   ";
  EXPECT_EQ(rows, 36 * tables) << name;
  expect_clean_numbers(name);
}

TEST_F(SyntheticTree, SeventeenModelsBothDefinitions) {
  Shell shell;
  shell.IDEF = 3;
  shell.IMOD.clear();
  for (int m = 1; m <= 17; ++m) shell.IMOD.push_back(m);
  ASSERT_EQ((write_shell(shell), run_varistat(scratch.data())), 0) << read_text("err.txt");

  const auto log = read_lines("SDOUT/SDFILES.OUT");
  EXPECT_EQ(count_lines(log, ".5TQ"), 34);
  EXPECT_EQ(count_lines(log, ".6TQ"), 34);
  for (const char* d : {".1TQ", ".2TQ", ".3TQ", ".4TQ"}) EXPECT_EQ(count_lines(log, d), 17) << d;
  EXPECT_NE(find_line(log, " *** DEFINITION 1 & 2 RESULTS ***  : 34 CASES"), -1);
  EXPECT_NE(find_line(log, " *** 17 MODELS : VARIABLE =   TEMP"), -1);

  for (const char* name : SDOUT_TABLE_FILES) expect_tables(std::string("SDOUT/") + name + ".OUT", 1);
  expect_tables("SDOUT/SDFIELDS.OUT", 6);
  for (const char* name : {"BASE-SD", "DELTA-SD", "BAROFSNR"}) {
    const auto dump = read_lines(std::string("TESSERA/") + name + ".OUT");
    ASSERT_EQ(dump.size(), 156u) << name;
    EXPECT_EQ(dump[155].size(), 64u) << name;
  }

  // Four correlation blocks: 34 cases twice, 17 baseline fields twice.
  const auto corr = read_lines("SDOUT/SDCORRS.OUT");
  expect_clean_numbers("SDOUT/SDCORRS.OUT");
  EXPECT_EQ(count_lines(corr, "INTER-MODEL CORRELATION MATRIX"), 4);
  int wide = 0, narrow = 0;
  for (const auto& l : corr) {
    if (l.rfind(" MEANMOD", 0) == 0) (l.size() == 8 + 34 * 7 ? wide : narrow)++;
  }
  EXPECT_EQ(wide, 2);
  EXPECT_EQ(narrow, 2);
  const int codes = find_line(corr, "         GC01D1 GC02D1");
  ASSERT_NE(codes, -1);
  EXPECT_EQ(corr[codes].size(), 8u + 34 * 7);
  EXPECT_EQ(corr[codes].substr(8 + 33 * 7), " GC17D2");
  EXPECT_EQ(count_lines(corr, "MAX CORREL, RANK = 8"), 4);
  EXPECT_EQ(count_lines(corr, "MIN CORREL, RANK = 8"), 4);
  EXPECT_EQ(count_lines(corr, " MODEL  CORREL"), 2);
  const int def = find_line(corr, " MODEL  CORREL");
  EXPECT_EQ(corr[def + 17].substr(0, 6), "  GC17");
}

TEST_F(SyntheticTree, MaskedPrecipitationDefinitionTwo) {
  Shell shell;
  shell.IVAR = 2;
  shell.ISEAS = 15;  // JJA
  shell.ISCALE = 2;
  shell.IDEF = 2;
  shell.IMASK = 1;
  shell.MASKID = 'E';
  shell.IMOD = {5, 9, 12, 2};
  ASSERT_EQ((write_shell(shell), run_varistat(scratch.data())), 0) << read_text("err.txt");

  const auto log = read_lines("SDOUT/SDFILES.OUT");
  EXPECT_EQ(count_lines(log, ".6PO"), 8);
  EXPECT_EQ(count_lines(log, ".2PO"), 4);
  EXPECT_EQ(count_lines(log, ".5PO"), 0);
  EXPECT_NE(find_line(log, "EXPONENTIAL SCALING : SEASON = JJA"), -1);

  const auto corr = read_lines("SDOUT/SDCORRS.OUT");
  EXPECT_NE(find_line(corr, " AREA SPECIFIED BY MASK. MASKFILE = MASK.E"), -1);
  EXPECT_NE(find_line(corr, "         GC05D2 GC09D2 GC12D2 GC02D2"), -1);
  EXPECT_EQ(count_lines(corr, "DEF.1/DEF.2"), 0);
  for (const char* name : SDOUT_TABLE_FILES) expect_tables(std::string("SDOUT/") + name + ".OUT", 1);
  expect_tables("SDOUT/SDFIELDS.OUT", 6);
}

}  // namespace
