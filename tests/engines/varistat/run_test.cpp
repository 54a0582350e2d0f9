// Whole runs of the varistat program on small hand-made data trees: the
// files it reads and lists, the shape of every output file, the numbers in
// its tables and the correlation blocks, and its error exits.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/earlier_outputs.h"
#include "tests/engines/varistat/tiny_tree.h"

namespace {

using namespace vstest;

// Fields that differ from model to model and definition to definition, so
// that every correlation can be formed; values in hundredths.
ModelFields model_fields(int m) {
  ModelFields f;
  f.sd1 = [m](int i, int j) { return 10 * ((i * 13 + j * (7 + m) + 5 * m) % 61) - 300; };
  f.sd2 = [m](int i, int j) { return 10 * ((i * (11 + m) + j * 7 + 3) % 59) - 280; };
  f.mn1 = [m](int i, int j) { return (i * (3 + m) + j * 5 + 11) % 53 + 10; };
  f.mn2 = [m](int i, int j) { return (i * 5 + j * (3 + m) + 22) % 47 + 10; };
  f.bsd = [m](int i, int j) { return 20 + (i * j * m) % 40; };
  f.bmean = [m](int i, int j) { return 100 + i * m + j; };
  return f;
}

class VaristatRun : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int m = 1; m <= 3; ++m) write_model(scratch.data(), m, 1, 17, model_fields(m));
    write_weights("TSU.DR", {{2000, 0.5, 0.1, 0.1, 0.1, 0.4}, {2050, 1.0, 0.2, 0.3, 0.4, 2.0}});
  }
  int run(const Shell& shell) {
    write_shell(shell);
    return run_varistat(scratch.data());
  }
  Scratch scratch;
};

const char* const SDOUT_FILES[] = {"SDFIELDS", "SDCORRS",  "SDFILES",  "GHGDELTA", "BASE-SD",
                                   "DELTA-SD", "BAROFSNR", "SNROFBAR", "INTERSNR"};
const char* const DELSD_TITLE = "MODEL-AVERAGE OF PERCENTAGE CHANGES IN S.D.";
const char* const DELMEAN_TITLE = "MODEL-AVERAGE OF CHANGES IN MEAN STATE";
const char* const BASESD_TITLE = "MODEL-AVERAGE OF BASELINE STANDARD DEVIATIONS";
const char* const BARSNR_TITLE = "MODEL-AVERAGE OF SNRS";
const char* const SNRBAR_TITLE = "SNR OF MODEL AVERAGE";
const char* const IMSNR_TITLE = "INTER-MODEL SNRS";

// A grid table from its title on: title, longitude line, 36 rows, longitude
// line, with no latitude column on the right.
void expect_table_shape(const std::vector<std::string>& lines, int title) {
  ASSERT_LT(title + 38, static_cast<int>(lines.size()));
  EXPECT_EQ(lines[title - 1], "");
  EXPECT_EQ(lines[title + 1].substr(0, 17), " degN/degE -177.5");
  EXPECT_EQ(lines[title + 1].size(), 10u + 72 * 7);
  EXPECT_EQ(lines[title + 1].substr(10 + 71 * 7), "  177.5");
  EXPECT_EQ(lines[title + 2].substr(0, 10), "   87.5   ");
  EXPECT_EQ(lines[title + 37].substr(0, 10), "  -87.5   ");
  for (int i = 1; i <= 36; ++i) EXPECT_EQ(lines[title + 1 + i].size(), 10u + 72 * 7);
  EXPECT_EQ(lines[title + 38], lines[title + 1]);
}

// A dump: title, two blanks, 152 records of 17 "F8.3" values and one of 8.
void expect_dump_shape(const std::vector<std::string>& lines) {
  ASSERT_EQ(lines.size(), 156u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[2], "  ");
  for (int k = 3; k < 155; ++k) EXPECT_EQ(lines[k].size(), 17u * 8) << k;
  EXPECT_EQ(lines[155].size(), 8u * 8);
}

TEST_F(VaristatRun, WritesEveryFileInItsLayout) {
  Shell shell;
  ASSERT_EQ(run(shell), 0) << read_text("err.txt");
  EXPECT_EQ(read_text("out.txt"), "Stop - Program terminated.\n");
  EXPECT_EQ(read_text("err.txt"), "");

  // Records end with CR LF.
  EXPECT_NE(read_text("SDOUT/GHGDELTA.OUT").find("\r\n"), std::string::npos);

  for (const char* name : {"GHGDELTA", "DELTA-SD", "BAROFSNR", "SNROFBAR", "INTERSNR"}) {
    const auto lines = read_lines(std::string("SDOUT/") + name + ".OUT");
    SCOPED_TRACE(name);
    ASSERT_EQ(lines.size(), 48u);
    EXPECT_EQ(lines[1], " ***  2 MODELS : VARIABLE =   TEMP -- LINEAR SCALING : SEASON = ANN ***");
    EXPECT_EQ(lines[3], " *** DEFINITION 1 RESULTS ONLY *** :  2 CASES");
    EXPECT_EQ(lines[4], " *** ORVANE MODEL = DEFAULT : SCENARIO = REFRNCE : YEAR = 2050 ***");
    EXPECT_EQ(lines[5], " *** GLOBAL-MEAN Delta-T =  2.000 degC");
    EXPECT_EQ(lines[7], "  MODELS  : GC01TR98 : GC02TR99 :");
    expect_table_shape(lines, 9);
  }
  // The baseline S.D. file has only the scaling line and the model list.
  const auto base = read_lines("SDOUT/BASE-SD.OUT");
  ASSERT_EQ(base.size(), 44u);
  EXPECT_EQ(base[3], "  MODELS  : GC01TR98 : GC02TR99 :");
  EXPECT_EQ(base[5], " *** MODEL-AVERAGE OF BASELINE STANDARD DEVIATIONS (degC) ***");
  expect_table_shape(base, 5);

  for (const char* name : {"BASE-SD", "DELTA-SD", "BAROFSNR"}) {
    SCOPED_TRACE(name);
    expect_dump_shape(read_lines(std::string("TESSERA/") + name + ".OUT"));
  }

  // SDFIELDS: H1-H5 (docs/design/variability.md), the six tables in report
  // order, the field correlations.
  const auto fields = read_lines("SDOUT/SDFIELDS.OUT");
  ASSERT_EQ(fields.size(), 8u + 6 * 40 + 14 + 12);
  const char* titles[] = {DELMEAN_TITLE, BASESD_TITLE, DELSD_TITLE,
                          BARSNR_TITLE,  SNRBAR_TITLE, IMSNR_TITLE};
  for (int a = 0; a < 6; ++a) {
    EXPECT_EQ(find_line(fields, titles[a]), 9 + 40 * a) << titles[a];
    expect_table_shape(fields, 9 + 40 * a);
  }
  EXPECT_EQ(fields[249], "-----------------------------------------------------");
  EXPECT_EQ(fields[252],
            " *** UNWEIGHTED PATTERN CORRELS BETWEEN VARIOUS OUTPUT FIELDS (GLOBAL) ***");
  EXPECT_EQ(fields[254], "          DELMEAN  BASE-SD    DELSD  BAR-SNR   SNRBAR  I-M SNR");
  EXPECT_EQ(fields[255].substr(0, 17), " DELMEAN   1.0000");
  EXPECT_EQ(fields[256].substr(17, 9), "   1.0000");  // the diagonal
  EXPECT_EQ(fields[261], "          DELMEAN  BASE-SD    DELSD  BAR-SNR   SNRBAR  I-M SNR");
  EXPECT_EQ(fields[264], " *** COSINE WEIGHTED PATTERN CORRELATIONS (GLOBAL) ***");

  // The run log: weights, headers, mask map and the four file lists.
  const auto log = read_lines("SDOUT/SDFILES.OUT");
  EXPECT_EQ(log[1], " *** TSU (PATTERN WEIGHTS) FILE READ ***");
  EXPECT_EQ(log[2], " TSU.DR");
  EXPECT_EQ(log[6], "  2050   1.000   0.200   0.300   0.400   2.000");
  const int map = find_line(log, "*** MASK MAP ***");
  ASSERT_GT(map, 0);
  EXPECT_EQ(log[map + 1], "        ");
  EXPECT_EQ(log[map + 2], std::string(72, '1'));
  const int sd = find_line(log, "*** NORMALIZED S.D. CHANGE FILES READ ***");
  EXPECT_EQ(sd, map + 39);
  EXPECT_EQ(log[sd + 1], " /TS41/TESS-41/ENGINE/TRELLIS5/OUT/GC01TR98.5TQ");
  EXPECT_EQ(log[sd + 2], " /TS41/TESS-41/ENGINE/TRELLIS5/OUT/GC02TR99.5TQ");
  EXPECT_EQ(log[sd + 4], " *** NORMALIZED MEAN STATE CHANGE FILES READ ***");
  EXPECT_EQ(log[sd + 8], " *** BASELINE S.D. FILES READ ***");
  EXPECT_EQ(log[sd + 9], " /TS41/TESS-41/ENGINE/TRELLIS5/OUT/GC01TR98.4TQ");
  EXPECT_EQ(log[sd + 12], " *** BASELINE MEAN FILES READ ***");
  EXPECT_EQ(log[sd + 16], " *** NORMALIZED S.D. CHANGE FILES READ ***");
  EXPECT_EQ(log.size(), static_cast<std::size_t>(sd + 19));
}

// The numbers: linear scaling by the GLOBAL warming 2.0 (ISULF = 1 is
// ignored: GHGWT would give 1.0), a stored zero S.D. read as 0.005, and a
// large negative per-case SNR kept in BARSNR.
TEST_F(VaristatRun, TablesHoldTheScaledAveragesAndRatios) {
  ModelFields f1 = model_fields(1), f2 = model_fields(2);
  f1.bsd = [](int i, int j) { return i == 1 && j == 1 ? 0 : 50; };
  f1.mn1 = [](int i, int j) { return i == 1 && j == 1 ? -100 : 25 + i; };
  f2.bsd = [](int, int) { return 100; };
  f2.mn1 = [](int i, int j) { return i == 1 && j == 1 ? 100 : 75 + j; };
  write_model(scratch.data(), 1, 1, 17, f1);
  write_model(scratch.data(), 2, 1, 17, f2);
  Shell shell;
  shell.ISULF = 1;
  ASSERT_EQ(run(shell), 0) << read_text("err.txt");
  const auto fields = read_lines("SDOUT/SDFIELDS.OUT");

  const auto sd1 = model_fields(1).sd1, sd2 = model_fields(2).sd1;
  for (auto [i, j] : {std::pair{1, 1}, {5, 9}, {36, 72}, {20, 40}}) {
    const double avg = (sd1(i, j) + sd2(i, j)) / 200.0;
    EXPECT_NEAR(table_value(fields, DELSD_TITLE, i, j), 2.0 * avg, 0.0051) << i << "," << j;
  }
  // (5, 9): mean changes 0.30 and 0.84 degC/degC, baseline S.D.s 0.50 and 1.00.
  EXPECT_NEAR(table_value(fields, DELMEAN_TITLE, 5, 9), 2.0 * 0.57, 0.0051);
  EXPECT_NEAR(table_value(fields, BASESD_TITLE, 5, 9), 0.75, 0.0051);
  EXPECT_NEAR(table_value(fields, BARSNR_TITLE, 5, 9), (0.60 / 0.5 + 1.68 / 1.0) / 2, 0.0051);
  EXPECT_NEAR(table_value(fields, SNRBAR_TITLE, 5, 9), 1.14 / 0.75, 0.0051);
  const double sdmn = 0.27;  // population S.D. of 0.30 and 0.84
  EXPECT_NEAR(table_value(fields, IMSNR_TITLE, 5, 9), 0.57 / sdmn, 0.0051);

  // (1, 1): case 1 changes -2.0 degC over 0.005 degC (SNR -400), case 2
  // +2.0 over 1.0 (SNR 2); BARSNR = -199, not 2.
  EXPECT_EQ(table_cell(fields, BASESD_TITLE, 1, 1), "   0.50");
  EXPECT_EQ(table_cell(fields, BARSNR_TITLE, 1, 1), "-199.00");
  EXPECT_EQ(table_cell(fields, DELMEAN_TITLE, 1, 1), "   0.00");
  EXPECT_EQ(table_cell(fields, IMSNR_TITLE, 1, 1), "   0.00");

  // The single-field files repeat the tables; the dumps hold the same values.
  const auto snr = read_lines("SDOUT/BAROFSNR.OUT");
  EXPECT_EQ(table_cell(snr, BARSNR_TITLE, 1, 1), "-199.00");
  const auto dump = read_lines("TESSERA/BAROFSNR.OUT");
  EXPECT_EQ(dump[3].substr(0, 8), "-199.000");
}

TEST_F(VaristatRun, ExponentialScalingOfMinus100PercentIsMissing) {
  for (int m = 1; m <= 2; ++m) {
    ModelFields f = model_fields(m);
    f.mn1 = [](int i, int j) { return i == 2 && j == 2 ? -10000 : 1000; };
    f.sd1 = [m](int i, int j) { return i == 2 && j == 2 ? -15000 : 100 * m + i + j; };
    write_model(scratch.data(), m, 2, 17, f);
  }
  Shell shell;
  shell.IVAR = 2;
  shell.ISCALE = 2;
  ASSERT_EQ(run(shell), 0) << read_text("err.txt");
  const auto fields = read_lines("SDOUT/SDFIELDS.OUT");
  EXPECT_EQ(table_cell(fields, DELMEAN_TITLE, 2, 2), " -99.99");
  EXPECT_EQ(table_cell(fields, DELSD_TITLE, 2, 2), " -99.99");
  EXPECT_EQ(table_cell(fields, BARSNR_TITLE, 2, 2), " -99.99");
  // 10 %/degC compounded over 2 degC.
  EXPECT_EQ(table_cell(fields, DELMEAN_TITLE, 3, 3), "  21.00");
  EXPECT_NE(find_line(fields, "NOT NORMALIZED (%) ***"), -1);
  EXPECT_NE(find_line(fields, "BASELINE STANDARD DEVIATIONS (mm/day) ***"), -1);
}

// Definition mode 3 with two models: 4 + 4 + 2 + 2 files, then the four S.D.
// change files again; correlations over 4 cases with the DEF.1/DEF.2 lines,
// and over the 2 models' baseline S.D.s without them.
TEST_F(VaristatRun, DefinitionMode3ReadsBothDefinitions) {
  Shell shell;
  shell.IDEF = 3;
  ASSERT_EQ(run(shell), 0) << read_text("err.txt");
  const auto log = read_lines("SDOUT/SDFILES.OUT");
  EXPECT_EQ(find_line(log, " ***  2 MODELS : VARIABLE"), find_line(log, "MODELS : VARIABLE"));
  EXPECT_NE(find_line(log, " *** DEFINITION 1 & 2 RESULTS ***  :  4 CASES"), -1);
  const std::string root = " /TS41/TESS-41/ENGINE/TRELLIS5/OUT/";
  const std::vector<std::string> sd = {root + "GC01TR98.5TQ", root + "GC02TR99.5TQ",
                                       root + "GC01TR98.6TQ", root + "GC02TR99.6TQ"};
  int at = find_line(log, "*** NORMALIZED S.D. CHANGE FILES READ ***");
  for (int k = 0; k < 4; ++k) EXPECT_EQ(log[at + 1 + k], sd[k]);
  at = find_line(log, "*** NORMALIZED MEAN STATE CHANGE FILES READ ***");
  EXPECT_EQ(log[at + 1], root + "GC01TR98.1TQ");
  EXPECT_EQ(log[at + 4], root + "GC02TR99.2TQ");
  at = find_line(log, "*** BASELINE S.D. FILES READ ***");
  EXPECT_EQ(log[at + 2], root + "GC02TR99.4TQ");
  EXPECT_EQ(log[at + 3], "");
  at = find_line(log, "*** BASELINE MEAN FILES READ ***");
  EXPECT_EQ(log[at + 2], root + "GC02TR99.3TQ");
  at = find_line(log, "*** NORMALIZED S.D. CHANGE FILES READ ***", at);
  ASSERT_NE(at, -1);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(log[at + 1 + k], sd[k]);
  EXPECT_EQ(log.size(), static_cast<std::size_t>(at + 5));
  EXPECT_EQ(count_lines(log, ".5TQ"), 4);
  EXPECT_EQ(count_lines(log, ".6TQ"), 4);

  const auto corr = read_lines("SDOUT/SDCORRS.OUT");
  EXPECT_EQ(count_lines(corr, "INTER-MODEL CORRELATION MATRIX"), 4);
  EXPECT_EQ(count_lines(corr, "         GC01D1 GC02D1 GC01D2 GC02D2"), 4);
  EXPECT_EQ(count_lines(corr, "         GC01D1 GC02D1"), 8);
  EXPECT_EQ(count_lines(corr, "DEF.1/DEF.2 PATTERN CORRELATIONS"), 2);
  const int def = find_line(corr, "DEF.1/DEF.2 PATTERN CORRELATIONS : NO COSINE WEIGHTING");
  ASSERT_NE(def, -1);
  EXPECT_EQ(corr[def + 1], " MODEL  CORREL");
  EXPECT_EQ(corr[def + 2].substr(0, 6), "  GC01");
  EXPECT_EQ(corr[def + 3].substr(0, 6), "  GC02");
  EXPECT_EQ(corr[def + 2].size(), 14u);
  // Six pairs of 4 cases fill ranks 1-6 (ranks 7 and 8 keep -1 and match no
  // pair); the one pair of 2 baseline fields fills rank 1.
  EXPECT_EQ(count_lines(corr, "MAX CORREL, RANK = 1"), 4);
  EXPECT_EQ(count_lines(corr, "MAX CORREL, RANK = 6"), 2);
  EXPECT_EQ(count_lines(corr, "MAX CORREL, RANK = 7"), 0);
}

// No model selected: model 1 stands in, the headers show 0 models and the
// single-field files show nothing but the missing value; SDFIELDS keeps the
// computed fields.
TEST_F(VaristatRun, NoModelSelected) {
  Shell shell;
  shell.IMOD = {};
  ASSERT_EQ(run(shell), 0) << read_text("err.txt");
  const auto log = read_lines("SDOUT/SDFILES.OUT");
  EXPECT_EQ(log[find_line(log, "MODELS : VARIABLE")],
            " ***  0 MODELS : VARIABLE =   TEMP -- LINEAR SCALING : SEASON = ANN ***");
  EXPECT_NE(find_line(log, " *** DEFINITION 1 RESULTS ONLY *** :  1 CASES"), -1);
  EXPECT_NE(find_line(log, "  MODELS  : GC01TR98 :"), -1);
  EXPECT_EQ(count_lines(log, "GC01TR98.5TQ"), 2);

  for (const char* name : {"GHGDELTA", "BASE-SD", "DELTA-SD", "BAROFSNR", "SNROFBAR", "INTERSNR"}) {
    const auto lines = read_lines(std::string("SDOUT/") + name + ".OUT");
    const int lon = find_line(lines, " degN/degE");
    for (int i = 1; i <= 36; ++i)
      for (int j = 1; j <= 72; j += 7)
        ASSERT_EQ(lines[lon + i].substr(10 + 7 * (j - 1), 7), " -99.99") << name;
  }
  for (const char* name : {"BASE-SD", "DELTA-SD", "BAROFSNR"}) {
    const auto lines = read_lines(std::string("TESSERA/") + name + ".OUT");
    EXPECT_EQ(lines[3].substr(0, 16), " -99.990 -99.990") << name;
  }
  const auto fields = read_lines("SDOUT/SDFIELDS.OUT");
  const auto mn = model_fields(1).mn1;
  EXPECT_NEAR(table_value(fields, DELMEAN_TITLE, 4, 4), 2.0 * mn(4, 4) / 100.0, 0.0051);
}

// One case: no pair to rank or average; the case against the model average
// (its own scaled field) correlates perfectly.
TEST_F(VaristatRun, OneCaseCorrelations) {
  Shell shell;
  shell.IMOD = {3};
  ASSERT_EQ(run(shell), 0) << read_text("err.txt");
  const auto corr = read_lines("SDOUT/SDCORRS.OUT");
  EXPECT_EQ(count_lines(corr, " INTER-MODEL CORRELATION MATRIX : OVERALL RBAR =*******"), 4);
  EXPECT_EQ(count_lines(corr, "CORREL, RANK"), 0);
  EXPECT_EQ(count_lines(corr, "  GC03D1    100"), 4);
  EXPECT_EQ(count_lines(corr, " MEANMOD    100"), 4);
  EXPECT_EQ(count_lines(corr, " AVE-COR  -9999"), 4);
}

TEST_F(VaristatRun, TwoBoxAreaHasNoInterModelCorrelations) {
  Shell shell;
  shell.XLAT1 = 0;
  shell.XLAT2 = 5;
  shell.XLON1 = 0;
  shell.XLON2 = 10;
  ASSERT_EQ(run(shell), 0) << read_text("err.txt");
  const auto corr = read_lines("SDOUT/SDCORRS.OUT");
  const int desc = find_line(corr, "GRID BOX CENTRAL POINTS");
  ASSERT_NE(desc, -1);
  EXPECT_EQ(corr[desc + 1], " LATITUDE RANGE  =    2.5 TO   2.5 degreesN INCLUSIVE");
  EXPECT_EQ(corr[desc + 2], " LONGITUDE RANGE =    2.5 TO   7.5 degreesE INCLUSIVE");
  EXPECT_EQ(corr[desc + 4], " LATITUDE GRID RANGE 18,18 : LONGITUDE GRID RANGE 37,38 INCLUSIVE");
  EXPECT_EQ(corr[desc + 6], " NO CORRELATIONS POSSIBLE : ONLY 2 GRIDPOINTS");
  EXPECT_EQ(corr.size(), static_cast<std::size_t>(desc + 7));
  // The output fields are still correlated over the whole globe.
  EXPECT_EQ(count_lines(read_lines("SDOUT/SDFIELDS.OUT"), "   1.0000"), 12);
}

// A mask file as the area: named in the log and the area description.
TEST_F(VaristatRun, MaskFileArea) {
  std::vector<std::string> mask = {"EUROPE  "};
  for (int i = 1; i <= 36; ++i) {
    std::string row(72, '0');
    if (i >= 7 && i <= 12) row.replace(35, 5, "11211");
    mask.push_back(row);
  }
  {
    std::ofstream f("MASK.E", std::ios::binary);
    for (const auto& l : mask) f << l << "\n";
  }
  Shell shell;
  shell.IMASK = 1;
  shell.MASKID = 'E';
  ASSERT_EQ(run(shell), 0) << read_text("err.txt");
  const auto log = read_lines("SDOUT/SDFILES.OUT");
  EXPECT_EQ(log[1], " *** MASK FILE OPENED, PLUS NAME OF REGION ***");
  EXPECT_EQ(log[2], " MASK.E");
  EXPECT_EQ(log[3], "EUROPE  ");
  const int map = find_line(log, "*** MASK MAP ***");
  EXPECT_EQ(log[map + 1], "EUROPE  ");
  EXPECT_EQ(log[map + 8], mask[7]);
  const auto corr = read_lines("SDOUT/SDCORRS.OUT");
  EXPECT_NE(find_line(corr, " AREA SPECIFIED BY MASK. MASKFILE = MASK.E : MASKNAME =EUROPE  "), -1);
  EXPECT_EQ(count_lines(corr, "INTER-MODEL CORRELATION MATRIX"), 4);
}

// Reversing the warming reverses every correlation with the model-average
// S.D. change (it is scaled linearly) and leaves the others alone.
TEST_F(VaristatRun, NegativeWarmingReversesCorrelationsWithTheAverage) {
  Shell shell;
  shell.IMOD = {1, 2, 3};
  ASSERT_EQ(run(shell), 0) << read_text("err.txt");
  const auto plus = read_lines("SDOUT/SDCORRS.OUT");
  write_weights("TSU.DR", {{2050, 1.0, 0.2, 0.3, 0.4, -2.0}});
  ASSERT_EQ(run(shell), 0) << read_text("err.txt");
  const auto minus = read_lines("SDOUT/SDCORRS.OUT");
  ASSERT_EQ(plus.size(), minus.size());

  auto numbers = [](const std::string& line) {
    std::vector<int> v;
    for (std::size_t p = 8; p + 7 <= line.size(); p += 7) v.push_back(std::stoi(line.substr(p, 7)));
    return v;
  };
  int k = -1, blocks = 0;
  while ((k = find_line(plus, " MEANMOD", k + 1)) != -1) {
    ++blocks;
    const auto a = numbers(plus[k]), b = numbers(minus[k]);
    ASSERT_EQ(a.size(), 3u);
    const bool sd_block = blocks <= 2;  // the S.D. change blocks come first
    for (std::size_t n = 0; n < a.size(); ++n) EXPECT_EQ(b[n], sd_block ? -a[n] : a[n]);
    EXPECT_EQ(plus[k - 3], minus[k - 3]);  // case-pair rows are unchanged
  }
  EXPECT_EQ(blocks, 4);
}

TEST_F(VaristatRun, MissingShellCfgIsAnError) {
  EXPECT_EQ(run_varistat(scratch.data()), 2);
  const std::string err = read_text("err.txt");
  EXPECT_EQ(err.rfind("varistat: ", 0), 0u) << err;
  EXPECT_NE(err.find("SHELL.CFG"), std::string::npos) << err;
  EXPECT_EQ(read_text("out.txt"), "");
}

TEST_F(VaristatRun, OutOfRangeSettingIsRejectedAtStartUp) {
  Shell shell;
  shell.IDEF = 4;
  EXPECT_EQ(run(shell), 2);
  const std::string err = read_text("err.txt");
  EXPECT_NE(err.find("SHELL.CFG"), std::string::npos) << err;
  EXPECT_NE(err.find("IDEF"), std::string::npos) << err;
  EXPECT_EQ(read_lines("SDOUT/SDFILES.OUT").size(), 0u);  // created, nothing yet to log
}

// A missing data file ends the run; the log keeps the list that names it.
TEST_F(VaristatRun, MissingDataFileIsAnErrorAndTheLogIsKept) {
  Shell shell;
  shell.IMOD = {1, 4};
  EXPECT_EQ(run(shell), 2);
  EXPECT_NE(read_text("err.txt").find("GC04TR98.5TQ"), std::string::npos) << read_text("err.txt");
  const auto log = read_lines("SDOUT/SDFILES.OUT");
  EXPECT_EQ(log.back(), " /TS41/TESS-41/ENGINE/TRELLIS5/OUT/GC04TR98.5TQ");
}

// Exponential scaling of -98 %/degC over a warming of -99.999 degC gives
// 100 * (50 ** 99.999 - 1) = 7.86e171, and two nearly equal changes of 50
// degC/degC an inter-model SNR of about 10000: both used to reach the tables
// (NaN or asterisks) in a run that ended with status 0. The run now stops
// before any table is written and says what the value follows from.
TEST_F(VaristatRun, ResultBeyondItsFieldStopsTheRunBeforeAnyTable) {
  for (int m = 1; m <= 2; ++m) {
    ModelFields f = model_fields(m);
    f.mn1 = testsupport::constant(-9800);
    write_model(scratch.data(), m, 2, 17, f);
  }
  write_weights("TSU.DR", {{2050, 1.0, 0.0, 0.0, 0.0, -99.999}});
  Shell shell;
  shell.IVAR = 2;
  shell.ISCALE = 2;
  EXPECT_EQ(run(shell), 2);
  EXPECT_EQ(read_text("out.txt"), "");
  EXPECT_EQ(read_text("err.txt"),
            "varistat: SDOUT/SDFIELDS.OUT: the change in mean state DELMEAN at row 1 (latitude 87.5), column 1 "
            "(longitude -177.5) would be printed as 7.85781e+171, which does not fit its field F7.2; it follows from "
            "DELMEAN = S(AVNDMN, GLOBWT) with the model average AVNDMN = -98 under exponential scaling (ISCALE = 2) "
            "and GLOBWT = -99.999 degC of the year 2050 in TSU.DR; the normalised mean-state changes there (GC01D1 "
            "-98, GC02D1 -98); no result was written, only the run headers and the log SDOUT/SDFILES.OUT\n");
  for (const char* name : {"SDOUT/SDFIELDS.OUT", "SDOUT/GHGDELTA.OUT", "SDOUT/SDCORRS.OUT"})
    EXPECT_EQ(find_line(read_lines(name), "degN/degE"), -1) << name;
  EXPECT_EQ(fs::file_size("TESSERA/DELTA-SD.OUT"), 0u);

  for (int m = 1; m <= 2; ++m) {
    ModelFields f = model_fields(m);
    f.mn1 = [m](int i, int j) { return i == 2 && j == 3 ? 4999 + m : 100; };
    write_model(scratch.data(), m, 1, 17, f);
  }
  write_weights("TSU.DR", {{2050, 1.0, 0.0, 0.0, 0.0, 2.0}});
  EXPECT_EQ(run(Shell()), 2);
  const std::string err = read_text("err.txt");
  EXPECT_EQ(err.rfind("varistat: SDOUT/SDFIELDS.OUT: the inter-model SNR IMSNR at row 2 (latitude 82.5), column 3 "
                      "(longitude -167.5) would be printed as 100",
                      0),
            0u)
      << err;
  EXPECT_NE(err.find(", which does not fit its field F7.2; it follows from IMSNR = AVNDMN/SDNDMN with AVNDMN = "
                     "50.005 and the inter-model S.D. SDNDMN = 0.005"),
            std::string::npos)
      << err;
}

// A weight of 1e300 used to pass and overflow every scaled field.
TEST_F(VaristatRun, WeightThatIsNoClimateIsRefusedAndNoEarlierOutputStays) {
  Shell shell;
  ASSERT_EQ(run(shell), 0);
  const std::vector<fs::path> earlier = testsupport::files_in({"SDOUT", "TESSERA"});
  ASSERT_EQ(earlier.size(), 9u + 3u);
  testsupport::mark_as_earlier(earlier);
  // crossmod's dumps share TESSERA/: they are not varistat's to remove.
  testsupport::write_lines("TESSERA/PROBINCR.OUT", {"crossmod's dump"});

  testsupport::write_lines("TSU.DR",
                           {"1", "2", "3", "4", "5", "6", "  2000    0.5000    0.1000    0.1000    0.1000    0.4000",
                            "  2050    1.0000    0.2000    0.3000    0.4000     1e300"});
  EXPECT_EQ(run(shell), 2);
  EXPECT_EQ(read_text("err.txt"),
            "varistat: TSU.DR, record 8: columns 47-56: GLOBWT = 1e+300 is not accepted; expected a warming from "
            "-99.999 to 99.999 degC (a global-mean warming of 100 degC or more is not a climate)\n");
  EXPECT_EQ(testsupport::still_marked(earlier), std::vector<std::string>{});
  EXPECT_EQ(read_lines("TESSERA/PROBINCR.OUT"), std::vector<std::string>{"crossmod's dump"});
  // The log shows the file being read; the tables were not reached.
  EXPECT_EQ(read_lines("SDOUT/SDFILES.OUT").back(), " TSU.DR");
  EXPECT_EQ(fs::file_size("SDOUT/BASE-SD.OUT"), 0u);
}

}  // namespace
