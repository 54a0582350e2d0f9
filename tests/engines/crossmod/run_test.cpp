// Whole runs of crossmod on small hand-made data trees whose results can be
// worked out by hand: the report lines, the dumps, the special runs (fatal,
// aerosol only, definition mode 3) and the error exits.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engines/crossmod/run_support.h"
#include "support/earlier_outputs.h"

namespace {

using namespace xmtest;

const int MISSING_CODE = 100001;  // a grid-field integer that reads as missing

// The weights file of every run: GHGWT 2.0, aerosol weights 0.1, 0.2, 0.3
// (with unit patterns the aerosol change is 0.6 everywhere), GLOBWT 2.6.
void write_standard_weights() {
  write_weights("TSU.DR", {{2000, 0.5, 0.0, 0.0, 0.0, 0.4}, {2050, 2.0, 0.1, 0.2, 0.3, 2.6}});
}

// Two temperature models: changes 1.0 and 3.0 degC/degC (both missing at
// box (1,1)), baselines 10 and 14 degC, observed 11 degC, unit aerosol
// patterns.
void write_two_model_tree(const Scratch& dir) {
  auto change = [](int v) {
    return [v](int i, int j) { return i == 1 && j == 1 ? MISSING_CODE : v; };
  };
  write_model_field(dir.data(), 1, '1', 1, 17, change(100));
  write_model_field(dir.data(), 2, '1', 1, 17, change(300));
  write_model_field(dir.data(), 1, '3', 1, 17, constant(1000));
  write_model_field(dir.data(), 2, '3', 1, 17, constant(1400));
  write_observed(dir.data(), '7', 1, 17, constant(1100));
  write_aerosol(dir.data(), 1, 17, constant(100), constant(100), constant(100));
  write_standard_weights();
}

Settings two_models() {
  Settings s;
  s.THRESH = 1.5;
  s.IMOD = {1, 2};
  return s;
}

TEST(CrossmodRun, AreaAveragesOfTwoConstantModels) {
  Scratch dir;
  write_two_model_tree(dir);
  write_config(two_models());
  const RunResult r = run_crossmod(dir.data());
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Stop - Program terminated.\n");

  const std::vector<std::string> expected = {
      "",
      " ***  2 MODELS : VARIABLE =   TEMP -- LINEAR SCALING : SEASON = ANN ***",
      "",
      " *** DEFINITION 1 RESULTS ONLY *** :  2 CASES",
      " *** ORVANE MODEL = DEFAULT : SCENARIO = REFRNCE : YEAR = 2050 ***",
      " *** GLOBAL-MEAN Delta-T USED FOR GHG SCALING =  2.000 degC",
      " *** TOTAL GLOBAL-MEAN Delta-T =  2.600 degC",
      "",
      " GRID BOX CENTRAL POINTS (5deg by 5deg GRID)",
      " LATITUDE RANGE  =  -87.5 TO  87.5 degreesN INCLUSIVE",
      " LONGITUDE RANGE = -177.5 TO 177.5 degreesE INCLUSIVE",
      "",
      " LATITUDE GRID RANGE  1,36 : LONGITUDE GRID RANGE  1,72 INCLUSIVE",
      "",
      "",
      " *** AREA AVERAGE RESULTS FOR NORMALIZED GHG CHANGES ***",
      "",
      " MODEL = GC01D1 : AREA AVE =   1.000 : SPATIAL S.D. =   0.000  (degC/degC)",
      " MODEL = GC02D1 : AREA AVE =   3.000 : SPATIAL S.D. =   0.000  (degC/degC)",
      " MODEL = MODBAR : AREA AVE =   2.000 : SPATIAL S.D. =   0.000  (degC/degC)",
      "",
      "        OVERALL MEAN =   2.000 degC/degC",
      "    INTER-MODEL S.D. =   1.000 degC/degC (FOR NORMALIZED GHG DATA)",
      "    HERE, INTER-MODEL S.D. IS THE S.D. OF THE AREA AVERAGES",
      "",
      "",
      " *** AREA AVERAGE RESULTS FOR BASELINE CLIMATE ***",
      "",
      " MODEL = GC01   : AREA AVE =  10.000 : SPATIAL S.D. =   0.000  (degC)",
      " MODEL = GC02   : AREA AVE =  14.000 : SPATIAL S.D. =   0.000  (degC)",
      " MODEL = MBAR   : AREA AVE =  12.000 : SPATIAL S.D. =   0.000  (degC)",
      "",
      "",
      " *** AREA AVERAGE RESULTS FOR MODEL-MEANS ***",
      " HERE, INTER-MOD S.D. IS THE AREA AVE OF THE INDIVIDUAL GRIDPOINT VALUES",
      " (AEROSOLS SHOULD ALWAYS BE INCLUDED IN FURTHER ANALYSES)",
      "",
      " INTER-MOD S.D.   : AREA AVERAGE =   1.000 degC (FOR NORMALIZED GHG DATA)",
      " INTER-MOD SNR    : AREA AVERAGE =   2.000      (FOR NORMALIZED GHG DATA)",
      // Normal probability above the threshold 1.5 for mean 2 and S.D. 1: 0.691.
      " PROB OF INCREASE : AREA AVERAGE =   0.691      (FOR NORMALIZED GHG DATA)",
      " GHG ONLY         : AREA AVERAGE =   4.000 degC (FOR SCALED DATA)",
      " AEROSOL ONLY     : AREA AVERAGE =   0.600 degC (FOR SCALED DATA)",
      " GHG AND AEROSOL  : AREA AVERAGE =   4.600 degC (FOR SCALED DATA)",
      "",
      "",
      " *** SCALED AREA AVERAGE RESULTS FOR INDIVIDUAL MODELS ***",
      " (AEROSOLS INCLUDED)",
      "",
      " MODEL = GC01D1 : AREA AVE =   2.600  (degC)",
      " MODEL = GC02D1 : AREA AVE =   6.600  (degC)",
      " MODEL = MODBAR : AREA AVE =   4.600  (degC)",
  };
  EXPECT_EQ(read_lines("IMOUT/AREAAVES.OUT"), expected);
  // Every record ends with CR LF.
  const std::string raw = read_text("IMOUT/AREAAVES.OUT");
  EXPECT_EQ(raw.substr(raw.size() - 2), "\r\n");
}

TEST(CrossmodRun, DumpsAndNewClimatesMissingWhereNoCaseIsValid) {
  Scratch dir;
  write_two_model_tree(dir);
  write_config(two_models());
  ASSERT_EQ(run_crossmod(dir.data()).status, 0);

  const std::vector<double> change = dump_values(read_lines("TESSERA/DEL2USE.OUT"));
  const std::vector<double> newobs = dump_values(read_lines("TESSERA/ABS-OBS.OUT"));
  const std::vector<double> newmod = dump_values(read_lines("TESSERA/ABS-MOD.OUT"));
  const std::vector<double> prob = dump_values(read_lines("TESSERA/PROBINCR.OUT"));
  const std::vector<double> error = dump_values(read_lines("TESSERA/ERROR.OUT"));
  for (const auto* v : {&change, &newobs, &newmod, &prob, &error}) ASSERT_EQ(v->size(), 2592u);
  // Box (1,1): no valid case, so no change, no probability and no new climate
  // (not 11 - 99.99).
  EXPECT_EQ(change[0], -99.99);
  EXPECT_EQ(prob[0], -99.99);
  EXPECT_EQ(newobs[0], -99.99);
  EXPECT_EQ(newmod[0], -99.99);
  EXPECT_EQ(error[0], 1.0);
  // Elsewhere: D = 2 * 2.0 + 0.6, NO = 11 + D, NM = 12 + D.
  EXPECT_EQ(change[1], 4.6);
  EXPECT_EQ(prob[1], 0.691);
  EXPECT_EQ(newobs[2591], 15.6);
  EXPECT_EQ(newmod[2591], 16.6);

  // Validation: constant fields have no correlation; the mean difference is
  // observed minus model.
  const std::vector<std::string> v = read_lines("IMOUT/VALIDN.OUT");
  const int first = find_line(v, " GC01TR");
  ASSERT_GE(first, 0);
  EXPECT_EQ(v[first], " GC01TR  -99.990    1.000      1.000    2592");
  EXPECT_EQ(v[first + 1], " GC02TR  -99.990    3.000     -3.000    2592");
  EXPECT_EQ(v[first + 2], " MODBAR  -99.990    1.000     -1.000    2592");
  EXPECT_EQ(v[first - 2], "  MODEL   CORREL     RMSE  MEAN DIFF NUM PTS");
  EXPECT_EQ(v[first - 1], "                     degC       degC");
  // The cosine-weighted pass: area description, title, heading, units.
  EXPECT_EQ(v[first + 10], " COSINE WEIGHTED STATISTICS");
  EXPECT_EQ(find_line(v, " GC01TR", first + 1), first + 13);
}

TEST(CrossmodRun, FatalConfigurationWritesOnlyTheCrashFile) {
  Scratch dir;
  Settings s;
  s.ISULF = 0;  // and no model
  write_config(s);
  const RunResult r = run_crossmod(dir.data());  // no data, weights or mask needed
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Stop - Program terminated.\n");
  EXPECT_EQ(read_lines("IMOUT/CRASH.OUT"),
            (std::vector<std::string>{"", " FATAL ERROR: BOTH NMODS AND ISULF SET TO ZERO"}));
  int files = 0;
  for (const char* d : {"IMOUT", "TESSERA"})
    for (const auto& e : fs::directory_iterator(d)) {
      if (e.path().filename() == "CRASH.OUT") continue;
      ++files;
      EXPECT_EQ(fs::file_size(e.path()), 0u) << e.path();
    }
  EXPECT_EQ(files, 19 + 8);

  // The next, sound run does not leave the old crash file behind.
  write_two_model_tree(dir);
  write_config(two_models());
  ASSERT_EQ(run_crossmod(dir.data()).status, 0);
  EXPECT_FALSE(fs::exists("IMOUT/CRASH.OUT"));
}

TEST(CrossmodRun, AerosolOnlyRun) {
  Scratch dir;
  write_two_model_tree(dir);  // model 1 stands in as the one case
  Settings s;
  s.THRESH = 0.5;
  write_config(s);
  const RunResult r = run_crossmod(dir.data());
  ASSERT_EQ(r.status, 0) << r.err;

  const std::vector<std::string> a = read_lines("IMOUT/AREAAVES.OUT");
  EXPECT_EQ(a[1], " ***  0 MODELS : VARIABLE =   TEMP -- LINEAR SCALING : SEASON = ANN ***");
  EXPECT_EQ(a[3], " *** DEFINITION 1 RESULTS ONLY *** :  1 CASES");
  EXPECT_GE(find_line(a, " MODEL = GC01D1 : AREA AVE =   1.000 : SPATIAL S.D. =   0.000"), 0);
  EXPECT_GE(find_line(a, " MODEL = MBAR   : AREA AVE = -99.990 : SPATIAL S.D. = -99.990"), 0);
  EXPECT_GE(find_line(a, " INTER-MOD S.D.   : AREA AVERAGE = -99.990"), 0);
  EXPECT_GE(find_line(a, " PROB OF INCREASE : AREA AVERAGE = -99.990"), 0);
  EXPECT_GE(find_line(a, " GHG ONLY         : AREA AVERAGE = -99.990"), 0);
  EXPECT_GE(find_line(a, " GHG AND AEROSOL  : AREA AVERAGE =   0.600"), 0);
  // The one case's scaled mean (2 * 1.0) plus the aerosol mean.
  EXPECT_GE(find_line(a, " MODEL = MODBAR : AREA AVE =   2.600  (degC)"), 0);

  // The model list still names the model whose fields were read.
  const std::vector<std::string> modbase = read_lines("IMOUT/MODBASE.OUT");
  EXPECT_EQ(modbase[1], " ***  0 MODELS : VARIABLE =   TEMP : SEASON = ANN ***");
  EXPECT_EQ(modbase[3], "  MODELS  : GC01TR98 :");
  EXPECT_EQ(modbase[5], " *** MODEL-MEAN BASELINE CLIMATE : AVERAGE OVER  0 MODELS (degC) ***");
  EXPECT_GE(find_line(read_lines("IMOUT/ERROR.OUT"), " OBSERVED (degC) :  0 MODELS ***"), 0);
  EXPECT_GE(find_line(read_lines("IMOUT/IMFIELDS.OUT"), "AVERAGE OVER  1 MODELS (degC)"), 0);

  // The change is the aerosol change; the model baseline is replaced by the
  // observed one.
  const std::vector<std::string> absmod = read_lines("IMOUT/ABS-MOD.OUT");
  const int since = find_line(absmod, "SINCE NMODS=0, BASELINE = OBSERVED DATA");
  ASSERT_GE(since, 0);
  EXPECT_EQ(absmod[since - 1],
            " *** NEW MEAN CLIMATE (WITH AEROSOLS) : CHANGE AVERAGED OVER  0 CASES (degC) ***");
  const std::vector<std::string> absobs = read_lines("IMOUT/ABS-OBS.OUT");
  EXPECT_EQ(std::vector<std::string>(absmod.begin() + since + 1, absmod.end()),
            std::vector<std::string>(absobs.begin() + since + 1, absobs.end()));
  const std::vector<double> tdump = dump_values(read_lines("TESSERA/ABS-MOD.OUT"));
  ASSERT_EQ(tdump.size(), 2592u);
  EXPECT_EQ(tdump[0], 11.6);
  EXPECT_EQ(read_lines("TESSERA/ABS-MOD.OUT")[0], " *** NEW MEAN CLIMATE (WITH AEROSOLS) : CHANGE AVERAGED OVER  0 CASES (degC) ***");
  EXPECT_EQ(read_lines("TESSERA/ABS-MOD.OUT")[1], " SINCE NMODS=0, BASELINE = OBSERVED DATA");

  const std::vector<std::string> ghandaer = read_lines("IMOUT/GHANDAER.OUT");
  const std::vector<std::string> aerosol = read_lines("IMOUT/AEROSOL.OUT");
  EXPECT_EQ(aerosol[1], " *** AEROSOL MODEL ONLY : VARIABLE =   TEMP LINEAR SCALING : SEASON = ANN ***");
  EXPECT_EQ(numbers(ghandaer[ghandaer.size() - 2]), numbers(aerosol[aerosol.size() - 2]));
  for (double p : dump_values(read_lines("TESSERA/PROBINCR.OUT"))) ASSERT_EQ(p, -99.99);
  const std::vector<std::string> numincr = read_lines("IMOUT/NUM-INCR.OUT");
  for (double n : numbers(numincr[numincr.size() - 2])) ASSERT_TRUE(n == 0.0 || n == -87.5);
}

// Three models with a pattern each, and definition-2 fields 0.5 below the
// definition-1 fields.
void write_three_model_tree(const Scratch& dir) {
  for (int m = 1; m <= 3; ++m) {
    auto def1 = [m](int i, int j) { return 100 * m + 10 * ((i * j + m * i) % 7); };
    auto def2 = [def1](int i, int j) { return def1(i, j) - 50; };
    write_model_field(dir.data(), m, '1', 1, 17, def1);
    write_model_field(dir.data(), m, '2', 1, 17, def2);
    write_model_field(dir.data(), m, '3', 1, 17, constant(1000 + 100 * m));
  }
  write_observed(dir.data(), '7', 1, 17, [](int i, int) { return 1000 + 10 * i; });
  write_aerosol(dir.data(), 1, 17, constant(100), constant(100), constant(100));
  write_standard_weights();
}

TEST(CrossmodRun, BothDefinitionsForcedByIboth) {
  Scratch dir;
  write_three_model_tree(dir);
  Settings s;
  s.IBOTH = 1;
  s.IDEF = 1;
  s.IMOD = {1, 2, 3};
  write_config(s);
  ASSERT_EQ(run_crossmod(dir.data()).status, 0);

  const std::vector<std::string> f = read_lines("IMOUT/IMFIELDS.OUT");
  EXPECT_EQ(f[1], " ***  3 MODELS : VARIABLE =   TEMP -- LINEAR SCALING : SEASON = ANN ***");
  EXPECT_EQ(f[3], " *** DEFINITION 1 & 2 RESULTS ***  :  6 CASES");
  EXPECT_GE(find_line(f, " *** SCALED CHANGE (GHG&AEROSOL) : GHG IS AVERAGE OVER  6 CASES (degC) ***"), 0);
  EXPECT_GE(find_line(f, " *** PROB OF AN INCREASE ABOVE  0.0 BASED ON  6 GHG CASES ***"), 0);
  EXPECT_GE(find_line(f, " *** NO. OF CASES OUT OF  6 GHG CASES WITH AN INCREASE ABOVE  0.0 ***"), 0);
  EXPECT_GE(find_line(read_lines("IMOUT/GHGDELTA.OUT"), "AVERAGE OVER  3 CASES (degC)"), 0);
  EXPECT_GE(find_line(read_lines("IMOUT/NORMDEL.OUT"), "AVERAGE OVER  3 CASES (degC)"), 0);
  EXPECT_GE(find_line(read_lines("IMOUT/PROBINCR.OUT"), "BASED ON  3 GHG CASES"), 0);

  const std::vector<std::string> a = read_lines("IMOUT/AREAAVES.OUT");
  const int first = find_line(a, " MODEL = GC01D1 : AREA AVE");
  ASSERT_GE(first, 0);
  const char* codes[] = {"GC01D1", "GC02D1", "GC03D1", "GC01D2", "GC02D2", "GC03D2", "MODBAR"};
  for (int n = 0; n < 7; ++n) EXPECT_EQ(a[first + n].substr(9, 6), codes[n]) << n;

  // The change files: definition 1 then 2, listed for both reads.
  const std::vector<std::string> log = read_lines("IMOUT/IMFILES.OUT");
  int at = -1;
  for (int pass = 0; pass < 2; ++pass) {
    at = find_line(log, "*** NORMALIZED MEAN STATE CHANGE FILES READ ***", at + 1);
    ASSERT_GE(at, 0) << pass;
    const char* names[] = {"GC01TR98.1TQ", "GC02TR99.1TQ", "GC03TR96.1TQ",
                           "GC01TR98.2TQ", "GC02TR99.2TQ", "GC03TR96.2TQ"};
    for (int k = 0; k < 6; ++k)
      EXPECT_EQ(log[at + 1 + k], std::string(" /TS41/TESS-41/ENGINE/TRELLIS5/OUT/") + names[k]);
  }

  // Drift 0.5 everywhere; the TESSERA error file holds it instead of the error field.
  const std::vector<std::string> drift = read_lines("IMOUT/DRIFT.OUT");
  EXPECT_GE(find_line(drift, " *** MODEL-MEAN NORMALIZED DRIFT : AVERAGE OVER  3 MODELS (degC/degC-GLOBAL-WARMING) ***"), 0);
  for (double v : numbers(drift[drift.size() - 3])) ASSERT_TRUE(v == 0.5 || v == -82.5) << v;
  const std::vector<std::string> terror = read_lines("TESSERA/ERROR.OUT");
  EXPECT_EQ(terror[1], " *** MODEL-MEAN NORMALIZED DRIFT FIELD (degC/degC-GLOBAL-WARMING) :  3 MODELS ***");
  for (double v : dump_values(terror)) ASSERT_EQ(v, 0.5);

  // Each model's two definitions differ by a constant: they correlate fully.
  const std::vector<std::string> c = read_lines("IMOUT/IMCORRS.OUT");
  const int def = find_line(c, " *** DEF.1/DEF.2 PATTERN CORRELATIONS : NO COSINE WEIGHTING ***");
  ASSERT_GE(def, 0);
  EXPECT_EQ(c[def + 1], " MODEL  CORREL");
  EXPECT_EQ(c[def + 2], "  GC01   1.000");
  EXPECT_EQ(c[def + 4], "  GC03   1.000");
  EXPECT_GE(find_line(c, " *** DEF.1/DEF.2 PATTERN CORRELATIONS : COSINE WEIGHTED ***", def), 0);
  // The matrix of six cases, the model-mean row and the average row.
  const int head = find_line(c, "         GC01D1 GC02D1 GC03D1 GC01D2 GC02D2 GC03D2 ");
  ASSERT_GE(head, 0);
  EXPECT_EQ(c[head + 1].substr(0, 16), "  GC01D1    100 ");
  EXPECT_EQ(c[head + 7].substr(0, 8), " MEANMOD");
  EXPECT_EQ(c[head + 8], c[head]);
  EXPECT_EQ(c[head + 9].substr(0, 8), " AVE-COR");
  EXPECT_EQ(numbers(c[head + 9].substr(8)).size(), 6u);
}

TEST(CrossmodRun, DefinitionTwoCodesAndFiles) {
  Scratch dir;
  write_three_model_tree(dir);
  Settings s;
  s.IDEF = 2;
  s.IMOD = {3, 1};
  write_config(s);
  ASSERT_EQ(run_crossmod(dir.data()).status, 0);
  const std::vector<std::string> a = read_lines("IMOUT/AREAAVES.OUT");
  EXPECT_EQ(a[3], " *** DEFINITION 2 RESULTS ONLY *** :  2 CASES");
  EXPECT_GE(find_line(a, " MODEL = GC03D2 : AREA AVE"), 0);
  EXPECT_GE(find_line(a, " MODEL = GC01D2 : AREA AVE"), 0);
  EXPECT_EQ(find_line(a, "D1 :"), -1);
  const std::vector<std::string> log = read_lines("IMOUT/IMFILES.OUT");
  EXPECT_GE(find_line(log, "/TRELLIS5/OUT/GC03TR96.2TQ"), 0);
  EXPECT_GE(find_line(log, "/TRELLIS5/OUT/GC01TR98.2TQ"), 0);
  EXPECT_EQ(find_line(log, ".1TQ"), -1);
  // Baselines are read once per model.
  const int base = find_line(log, "*** BASELINE MEAN STATE FILES READ ***");
  EXPECT_EQ(log[base + 1], " /TS41/TESS-41/ENGINE/TRELLIS5/OUT/GC03TR96.3TQ");
  EXPECT_EQ(log[base + 2], " /TS41/TESS-41/ENGINE/TRELLIS5/OUT/GC01TR98.3TQ");
  EXPECT_EQ(log[base + 3], "");
  // No drift outside definition mode 3: only the header lines H-var, H-def, H-mod
  // (docs/design/pattern-scaling.md).
  EXPECT_EQ(read_lines("IMOUT/DRIFT.OUT").size(), 6u);
}

TEST(CrossmodRun, TiedCorrelationsPrintUnderEveryRankTheyHold) {
  Scratch dir;
  // Over rows 17-20 and columns 1-4: u alternates by column, v by row, so
  // u+v and u-v correlate equally (1/sqrt 2) with u and not with each other.
  auto u = [](int, int j) { return j % 2 ? 100 : -100; };
  auto v = [](int i, int) { return i % 2 ? 100 : -100; };
  write_model_field(dir.data(), 1, '1', 1, 17, u);
  write_model_field(dir.data(), 2, '1', 1, 17, [&](int i, int j) { return u(i, j) + v(i, j); });
  write_model_field(dir.data(), 3, '1', 1, 17, [&](int i, int j) { return u(i, j) - v(i, j); });
  for (int m = 1; m <= 3; ++m) write_model_field(dir.data(), m, '3', 1, 17, constant(1000));
  write_observed(dir.data(), '7', 1, 17, constant(1000));
  write_aerosol(dir.data(), 1, 17, constant(0), constant(0), constant(0));
  write_standard_weights();
  Settings s;
  s.XLAT1 = -10;
  s.XLAT2 = 10;
  s.XLON1 = -180;
  s.XLON2 = -160;
  s.IMOD = {1, 2, 3};
  write_config(s);
  ASSERT_EQ(run_crossmod(dir.data()).status, 0);

  const std::vector<std::string> c = read_lines("IMOUT/IMCORRS.OUT");
  const int rbar = find_line(c, " INTER-MODEL CORRELATION MATRIX : OVERALL RBAR =");
  ASSERT_GE(rbar, 0);
  EXPECT_EQ(c[rbar], " INTER-MODEL CORRELATION MATRIX : OVERALL RBAR =  0.4714");
  const std::vector<std::string> expected = {
      " MAX CORREL, RANK = 1 : ( 1, 2) :   0.707 : ( GC01D1, GC02D1)",
      " MAX CORREL, RANK = 1 : ( 1, 3) :   0.707 : ( GC01D1, GC03D1)",
      " MAX CORREL, RANK = 2 : ( 1, 2) :   0.707 : ( GC01D1, GC02D1)",
      " MAX CORREL, RANK = 2 : ( 1, 3) :   0.707 : ( GC01D1, GC03D1)",
      " MAX CORREL, RANK = 3 : ( 2, 3) :   0.000 : ( GC02D1, GC03D1)",
      " ",
      " MIN CORREL, RANK = 1 : ( 2, 3) :   0.000 : ( GC02D1, GC03D1)",
      " MIN CORREL, RANK = 2 : ( 1, 2) :   0.707 : ( GC01D1, GC02D1)",
      " MIN CORREL, RANK = 2 : ( 1, 3) :   0.707 : ( GC01D1, GC03D1)",
      " MIN CORREL, RANK = 3 : ( 1, 2) :   0.707 : ( GC01D1, GC02D1)",
      " MIN CORREL, RANK = 3 : ( 1, 3) :   0.707 : ( GC01D1, GC03D1)",
      "",
      // The code group's blank is written before the format stops at A6.
      "         GC01D1 GC02D1 GC03D1 ",
      "  GC01D1    100     71     71",
      "  GC02D1     71    100      0",
      "  GC03D1     71      0    100",
      " MEANMOD    100     71     71",
      "         GC01D1 GC02D1 GC03D1 ",
      " AVE-COR     71     35     35",
  };
  // The blank line after the RBAR record comes first.
  EXPECT_EQ(c[rbar + 1], "");
  EXPECT_EQ(std::vector<std::string>(c.begin() + rbar + 2, c.begin() + rbar + 2 + expected.size()),
            expected);
  EXPECT_GE(find_line(c, " LATITUDE GRID RANGE 17,20 : LONGITUDE GRID RANGE  1, 4 INCLUSIVE"), 0);
}

TEST(CrossmodRun, SmallAndEmptyAreas) {
  Scratch dir;
  write_two_model_tree(dir);
  Settings s = two_models();
  s.XLAT1 = 0;  // row 18, columns 37 and 38: two gridpoints
  s.XLAT2 = 5;
  s.XLON1 = 0;
  s.XLON2 = 10;
  write_config(s);
  ASSERT_EQ(run_crossmod(dir.data()).status, 0);
  const std::vector<std::string> c = read_lines("IMOUT/IMCORRS.OUT");
  EXPECT_EQ(c.back(), " NO CORRELATIONS POSSIBLE : ONLY 2 GRIDPOINTS");
  EXPECT_GE(find_line(c, " LATITUDE RANGE  =    2.5 TO   2.5 degreesN INCLUSIVE"), 0);
  EXPECT_GE(find_line(c, " LONGITUDE RANGE =    2.5 TO   7.5 degreesE INCLUSIVE"), 0);
  EXPECT_GE(find_line(c, " LATITUDE GRID RANGE 18,18 : LONGITUDE GRID RANGE 37,38 INCLUSIVE"), 0);
  // Two boxes near the equator weigh about 2: every area average is formed.
  EXPECT_GE(find_line(read_lines("IMOUT/AREAAVES.OUT"), " INTER-MOD S.D.   : AREA AVERAGE =   1.000"), 0);

  // A box whose western limit lies east of its eastern limit selects nothing.
  s.XLON1 = 170;
  s.XLON2 = -170;
  write_config(s);
  ASSERT_EQ(run_crossmod(dir.data()).status, 0);
  const std::vector<std::string> a = read_lines("IMOUT/AREAAVES.OUT");
  for (const std::string& l : a) {
    if (l.find("AREA AVE") != std::string::npos && l.find('=') != std::string::npos) {
      EXPECT_NE(l.find("-99.990"), std::string::npos) << l;
    }
  }
  EXPECT_GE(find_line(a, "        OVERALL MEAN = -99.990 degC/degC"), 0);
  EXPECT_GE(find_line(a, "    INTER-MODEL S.D. = -99.990 degC/degC"), 0);
  EXPECT_GE(find_line(a, " MODEL = MODBAR : AREA AVE = -99.990  (degC)"), 0);
  EXPECT_EQ(read_lines("IMOUT/IMCORRS.OUT").back(), " NO CORRELATIONS POSSIBLE : ONLY 0 GRIDPOINTS");
  EXPECT_GE(find_line(read_lines("IMOUT/VALIDN.OUT"), " MODBAR  -99.990  -99.990    -99.900       0"), 0);
}

TEST(CrossmodRun, MaskDigitsWeightTheirBoxes) {
  Scratch dir;
  write_two_model_tree(dir);
  // Model 1: 1.0 at (18,37) weighted twice, 4.0 at (18,38) weighted once.
  write_model_field(dir.data(), 1, '1', 1, 17,
                    [](int i, int j) { return i == 18 && j == 38 ? 400 : 100; });
  write_mask("X", "TESTMASK", [](int i, int j) { return i == 18 && (j == 37 || j == 38) ? (j == 37 ? 2 : 1) : 0; });
  Settings s = two_models();
  s.IMASK = 1;
  write_config(s);
  ASSERT_EQ(run_crossmod(dir.data()).status, 0);
  const std::vector<std::string> a = read_lines("IMOUT/AREAAVES.OUT");
  EXPECT_EQ(a[8], " AREA SPECIFIED BY MASK. MASKFILE = MASK.X : MASKNAME =TESTMASK");
  EXPECT_GE(find_line(a, " MODEL = GC01D1 : AREA AVE =   2.000"), 0);
  const std::vector<std::string> log = read_lines("IMOUT/IMFILES.OUT");
  EXPECT_EQ(log[1], " *** MASK FILE OPENED, PLUS NAME OF REGION ***");
  EXPECT_EQ(log[2], " MASK.X");
  EXPECT_EQ(log[3], "TESTMASK");
  const int map = find_line(log, "*** MASK MAP ***");
  EXPECT_EQ(log[map + 1], "TESTMASK");
  EXPECT_EQ(log[map + 19], std::string(36, '0') + "21" + std::string(34, '0'));
  // Three gridpoints by weight: the correlation blocks are written.
  EXPECT_GE(find_line(read_lines("IMOUT/IMCORRS.OUT"), "*** UNWEIGHTED PATTERN CORRELATIONS ***"), 0);
}

TEST(CrossmodRun, PrecipitationWithExponentialScaling) {
  Scratch dir;
  write_model_field(dir.data(), 1, '1', 2, 13, constant(1000));  // 10 %/degC
  write_model_field(dir.data(), 1, '3', 2, 13, constant(300));   // 3 mm/day
  write_observed(dir.data(), '7', 2, 13, [](int i, int j) { return i == 2 && j == 2 ? 0 : 200; });
  write_aerosol(dir.data(), 2, 13, constant(100), constant(100), constant(100));
  write_standard_weights();
  Settings s;
  s.IVAR = 2;
  s.ISEAS = 13;
  s.ISCALE = 2;
  s.IMOD = {1};
  write_config(s);
  ASSERT_EQ(run_crossmod(dir.data()).status, 0);

  const std::vector<std::string> a = read_lines("IMOUT/AREAAVES.OUT");
  EXPECT_EQ(a[1], " ***  1 MODELS : VARIABLE = PRECIP -- EXPONENTIAL SCALING : SEASON = DJF ***");
  EXPECT_GE(find_line(a, " MODEL = GC01D1 : AREA AVE =  10.000 : SPATIAL S.D. =   0.000  (%/degC)"), 0);
  EXPECT_GE(find_line(a, "        OVERALL MEAN =  10.000 %/degC"), 0);
  EXPECT_GE(find_line(a, "    INTER-MODEL S.D. =   0.000 %/degC (FOR NORMALIZED GHG DATA)"), 0);
  EXPECT_GE(find_line(a, " MODEL = GC01   : AREA AVE =   3.000 : SPATIAL S.D. =   0.000  (mm/day)"), 0);
  EXPECT_GE(find_line(a, " INTER-MOD S.D.   : AREA AVERAGE =   0.000 %    (FOR NORMALIZED GHG DATA)"), 0);
  // 100 * (1.1 ** 2 - 1) = 21 %, plus 0.6 % from the aerosols.
  EXPECT_GE(find_line(a, " GHG ONLY         : AREA AVERAGE =  21.000 %    (FOR SCALED DATA)"), 0);
  EXPECT_GE(find_line(a, " GHG AND AEROSOL  : AREA AVERAGE =  21.600 %    (FOR SCALED DATA)"), 0);
  EXPECT_GE(find_line(a, " MODEL = GC01D1 : AREA AVE =  21.600  (%)"), 0);

  const std::vector<std::string> f = read_lines("IMOUT/IMFIELDS.OUT");
  EXPECT_GE(find_line(f, " *** SCALED CHANGE (GHG+AEROSOL) : GHG IS AVERAGE OVER  1 CASES (%) ***"), 0);
  EXPECT_GE(find_line(f, " *** NEW MEAN CLIMATE (WITH AEROSOLS) : CHANGE AVERAGED OVER  1 CASES (mm/day) ***"), 0);
  EXPECT_GE(find_line(f, " *** ERROR FIELD : 100*((MODEL-MEAN BASELINE/OBSERVED)-1.0) (%) :  1 MODELS ***"), 0);
  EXPECT_GE(find_line(read_lines("IMOUT/VALIDN.OUT"), "                   mm/day     mm/day"), 0);
  // The error field: 50 % where it is 2 mm/day observed, 999.99 where it is dry.
  const std::vector<double> error = dump_values(read_lines("TESSERA/ERROR.OUT"));
  EXPECT_EQ(error[0], 50.0);
  EXPECT_EQ(error[72 + 1], 999.99);
  // New climate: 2 mm/day * 1.216.
  EXPECT_EQ(dump_values(read_lines("TESSERA/ABS-OBS.OUT"))[0], 2.432);
  EXPECT_EQ(read_lines("TESSERA/DEL2USE.OUT")[1],
            " *** CLIMATE CHANGE (%), ACCOUNTING FOR AEROSOLS IF THIS OPTION IS SELECTED ***");
}

TEST(CrossmodRun, ErrorsNameTheFileAndKeepTheLog) {
  Scratch dir;
  write_two_model_tree(dir);
  fs::remove(dir.data() / "TRELLIS5" / "OUT" / "GC02TR99.3TQ");
  write_config(two_models());
  RunResult r = run_crossmod(dir.data());
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err.rfind("crossmod: ", 0), 0u) << r.err;
  EXPECT_NE(r.err.find("GC02TR99.3TQ"), std::string::npos) << r.err;
  EXPECT_EQ(r.out, "");
  // The log up to the failing file and the run headers stay; no result is
  // written before every input is read.
  EXPECT_EQ(read_lines("IMOUT/IMFILES.OUT").back(), " /TS41/TESS-41/ENGINE/TRELLIS5/OUT/GC02TR99.3TQ");
  const std::vector<std::string> averages = read_lines("IMOUT/AREAAVES.OUT");
  EXPECT_EQ(averages.back(), " *** TOTAL GLOBAL-MEAN Delta-T =  2.600 degC");
  EXPECT_EQ(find_line(averages, "AREA AVE"), -1);

  // An out-of-range setting stops the run before any data is read.
  Settings s = two_models();
  s.IVAR = 3;
  write_config(s);
  r = run_crossmod(dir.data());
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("SHELL.CFG"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("IVAR"), std::string::npos) << r.err;
  EXPECT_EQ(fs::file_size("IMOUT/AREAAVES.OUT"), 0u);
  EXPECT_FALSE(fs::exists("IMOUT/CRASH.OUT"));
}

// Exponential scaling of -98 %/degC over a warming of -99.999 degC gives
// 100 * (50 ** 99.999 - 1) = 7.86e171, whose squares overflowed the area
// statistics: the run ended with status 0 and NaN in its files. It now stops
// before any result is written and says what the value follows from.
TEST(CrossmodRun, ScaledChangeBeyondItsFieldStopsTheRunBeforeAnyResult) {
  Scratch dir;
  write_model_field(dir.data(), 1, '1', 2, 13, constant(-9800));
  write_model_field(dir.data(), 1, '3', 2, 13, constant(300));
  write_observed(dir.data(), '7', 2, 13, constant(200));
  write_aerosol(dir.data(), 2, 13, constant(0), constant(0), constant(0));
  write_weights("TSU.DR", {{2050, -99.999, 0.0, 0.0, 0.0, -99.999}});
  Settings s;
  s.IVAR = 2;
  s.ISEAS = 13;
  s.ISCALE = 2;
  s.IMOD = {1};
  write_config(s);
  const RunResult r = run_crossmod(dir.data());
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err,
            "crossmod: IMOUT/IMFIELDS.OUT: the GHG-only change G1 at row 1 (latitude 87.5), column 1 (longitude "
            "-177.5) would be printed as 7.85781e+171, which does not fit its field F7.2; it follows from G1 = S(XM, "
            "GHGWT) with XM = -98 %/degC under exponential scaling (ISCALE = 2) and the weights of the year 2050 in "
            "TSU.DR (GHGWT = -99.999, EURWT = 0, ASIAWT = 0, ROWWT = 0, GLOBWT = -99.999 degC); no result was "
            "written, only the run headers and the log IMOUT/IMFILES.OUT\n");
  EXPECT_EQ(find_line(read_lines("IMOUT/AREAAVES.OUT"), "AREA AVE"), -1);
  EXPECT_EQ(find_line(read_lines("IMOUT/IMFIELDS.OUT"), "degN/degE"), -1);
  EXPECT_EQ(fs::file_size("TESSERA/DEL2USE.OUT"), 0u);
  EXPECT_EQ(read_lines("IMOUT/IMFILES.OUT").back(), " /TS41/TESS-41/ENGINE/TRELLIS5/OUT/GC01TR98.1PM");
}

// Valid inputs whose result is too wide for its printed field: an aerosol
// pattern of 5000 degC at one box under a weight of 3 used to print as
// asterisks in a run that ended with status 0; so did an observed baseline
// of 20000 degC (OBSSET "OLD" divides by 10).
TEST(CrossmodRun, ResultTooWideForItsFieldStopsTheRun) {
  Scratch dir;
  write_two_model_tree(dir);
  write_aerosol(
      dir.data(), 1, 17, [](int i, int j) { return i == 3 && j == 5 ? 500000 : 0; }, constant(0), constant(0));
  write_weights("TSU.DR", {{2050, 2.0, 3.0, 0.0, 0.0, 2.6}});
  write_config(two_models());
  RunResult r = run_crossmod(dir.data());
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err,
            "crossmod: IMOUT/IMFIELDS.OUT: the aerosol-only change A at row 3 (latitude 77.5), column 5 (longitude "
            "-157.5) would be printed as 15000, which does not fit its field F7.2; it follows from A = EURWT*P1 + "
            "ASIAWT*P2 + ROWWT*P3 with the patterns there P1 = 5000, P2 = 0, P3 = 0 of "
            "/TS41/TESS-41/ENGINE/TRELLIS5/SO4/UISO.9TQ and the weights of the year 2050 in TSU.DR (GHGWT = 2, EURWT "
            "= 3, ASIAWT = 0, ROWWT = 0, GLOBWT = 2.6 degC); no result was written, only the run headers and the log "
            "IMOUT/IMFILES.OUT\n");
  EXPECT_EQ(r.out, "");

  write_aerosol(dir.data(), 1, 17, constant(100), constant(100), constant(100));
  write_observed(dir.data(), '8', 1, 17, [](int i, int j) { return i == 36 && j == 72 ? 200000 : 110; });
  Settings s = two_models();
  s.OBSSET = "OLD";
  write_config(s);
  r = run_crossmod(dir.data());
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err,
            "crossmod: IMOUT/IMFIELDS.OUT: the observed baseline OBS at row 36 (latitude -87.5), column 72 "
            "(longitude 177.5) would be printed as 20000, which does not fit its field F7.2; it follows from the "
            "observed baseline /TS41/TESS-41/ENGINE/TRELLIS5/OBS/OBS.8TQ (OBSSET = OLD); no result was written, only "
            "the run headers and the log IMOUT/IMFILES.OUT\n");
}

// The output files of a sound run, marked as left by it.
std::vector<fs::path> marked_earlier_run(const Scratch& dir, const Settings& s) {
  write_two_model_tree(dir);
  write_config(s);
  EXPECT_EQ(run_crossmod(dir.data()).status, 0);
  const std::vector<fs::path> files = testsupport::files_in({"IMOUT", "TESSERA"});
  EXPECT_EQ(files.size(), 19u + 8u);
  testsupport::mark_as_earlier(files);
  return files;
}

TEST(CrossmodRun, FailedRunLeavesNoOutputOfAnEarlierRun) {
  Scratch dir;
  const std::vector<fs::path> earlier = marked_earlier_run(dir, two_models());
  // A baseline file cut short: the run fails after the change tables are
  // computed.
  testsupport::write_lines(dir.data() / "TRELLIS5" / "OUT" / "GC02TR99.3TQ", {"IDENT", "     1     2"});
  const RunResult r = run_crossmod(dir.data());
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("GC02TR99.3TQ"), std::string::npos) << r.err;
  EXPECT_EQ(testsupport::still_marked(earlier), std::vector<std::string>{});
  // The files hold this run's headers and no result: the change tables,
  // computed before the failure, are written only after every input is read.
  const std::vector<std::string> prob = read_lines("IMOUT/PROBINCR.OUT");
  EXPECT_EQ(prob.back().rfind("  MODELS  : ", 0), 0u) << prob.back();
  EXPECT_EQ(find_line(prob, "PROB OF AN INCREASE"), -1);
  EXPECT_EQ(fs::file_size("TESSERA/PROBINCR.OUT"), 0u);
  EXPECT_EQ(fs::file_size("TESSERA/MODBASE.OUT"), 0u);
  EXPECT_FALSE(fs::exists("IMOUT/CRASH.OUT"));
}

TEST(CrossmodRun, OutputThatCannotBeReplacedStopsTheRunAfterTheOthersAreGone) {
  Scratch dir;
  const std::vector<fs::path> earlier = marked_earlier_run(dir, two_models());
  // A folder where the run writes IMOUT/ERROR.OUT, which comes before the
  // TESSERA/ files in the order of creation.
  fs::remove("IMOUT/ERROR.OUT");
  fs::create_directories("IMOUT/ERROR.OUT/inside");
  const RunResult r = run_crossmod(dir.data());
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err,
            "crossmod: IMOUT/ERROR.OUT: cannot remove the output file of an earlier run; a folder of that name is "
            "in the way\n");
  EXPECT_EQ(testsupport::still_marked(earlier), std::vector<std::string>{});
}

TEST(CrossmodRun, FatalConfigurationRemovesTheFilesOfAnEarlierRun) {
  Scratch dir;
  const std::vector<fs::path> earlier = marked_earlier_run(dir, two_models());
  Settings s;
  s.ISULF = 0;  // and no model
  write_config(s);
  EXPECT_EQ(run_crossmod(dir.data()).status, 0);
  EXPECT_EQ(testsupport::still_marked(earlier), std::vector<std::string>{});
  for (const fs::path& f : earlier) EXPECT_EQ(fs::file_size(f), 0u) << f;
}

}  // namespace
