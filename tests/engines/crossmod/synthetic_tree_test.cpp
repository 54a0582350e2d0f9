// Whole runs of crossmod on the synthetic data tree of tesseragen: the
// layout of every output file (headers, table shapes, the dumps' 152 + 1
// value records, the model list's continuation lines) and the agreement of
// the dumps with each other.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engines/crossmod/run_support.h"
#include "support/synthetic_tree.h"

namespace {

using namespace xmtest;

// The tree is made once for the whole program: both variables, annual and
// DJF. Without tesseragen every test fails.
class SyntheticTree : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    root_ = fs::temp_directory_path() / ("crossmod_synthetic_tree_" + std::to_string(::getpid()));
    tree_ = testsupport::make_synthetic_tree(root_, "--seed 7 --seasons ANN,DJF");
  }
  static void TearDownTestSuite() { fs::remove_all(root_); }

  void SetUp() override { ASSERT_TRUE(tree_); }

  // Copies the weights files and masks into the working directory, writes
  // the configuration and runs the engine on the tree.
  static RunResult run(const Settings& s) {
    for (const char* f : {"TSU.DR", "TSU.UP", "MASK.L", "MASK.O"})
      fs::copy_file(root_ / "WORK" / f, f, fs::copy_options::overwrite_existing);
    write_config(s);
    return run_crossmod(root_);
  }

  static Settings models(int n) {
    Settings s;
    s.THRESH = 1.0;
    for (int m = 1; m <= n; ++m) s.IMOD.push_back(m);
    return s;
  }

  static inline fs::path root_;
  static inline ::testing::AssertionResult tree_ = ::testing::AssertionFailure();
};

const char* const IMOUT_TABLE_FILES[] = {
    "GHGDELTA.OUT", "INTER-SD.OUT", "IM-SNR.OUT", "PROBINCR.OUT", "NUM-INCR.OUT", "MODBASE.OUT",
    "OBSBASE.OUT", "ABS-OBS.OUT", "ABS-MOD.OUT", "GHANDAER.OUT", "AEROSOL.OUT", "NORMDEL.OUT",
    "ERROR.OUT"};
const char* const TESSERA_FILES[] = {"DEL2USE.OUT", "IM-SNR.OUT", "PROBINCR.OUT", "MODBASE.OUT",
                                     "OBSBASE.OUT", "ABS-OBS.OUT", "ABS-MOD.OUT", "ERROR.OUT"};

// Checks every gridded table of a file and returns how many there are: a
// longitude line, 36 rows from 87.5 to -87.5 with the latitude at both ends,
// the longitude line again.
int check_tables(const std::vector<std::string>& ls, const std::string& file) {
  const std::string lon = " degN/degE -177.5 -172.5";
  int tables = 0;
  for (int k = find_line(ls, lon); k >= 0; k = find_line(ls, lon, k + 38)) {
    ++tables;
    EXPECT_EQ(ls[k].size(), 1u + 9 + 72 * 7 + 8) << file;
    EXPECT_EQ(ls[k].substr(ls[k].size() - 15), "  177.5  : degN") << file;
    for (int i = 1; i <= 36; ++i) {
      const std::string& row = ls[k + i];
      EXPECT_EQ(row.size(), 1u + 6 + 3 + 72 * 7 + 8) << file << " row " << i;
      const std::vector<double> v = numbers(row);
      EXPECT_EQ(v.size(), 74u) << file << " row " << i << ": " << row;
      if (v.size() == 74u) {
        EXPECT_EQ(v.front(), 92.5 - 5 * i) << file;
        EXPECT_EQ(v.back(), 92.5 - 5 * i) << file;
      }
    }
    EXPECT_EQ(ls[k + 37], ls[k]) << file;
  }
  return tables;
}

TEST_F(SyntheticTree, EveryFileOfSeventeenModelsHasItsLayout) {
  Scratch dir;
  const RunResult r = run(models(17));
  ASSERT_EQ(r.status, 0) << r.err;

  // The model list: six labels after the heading, then continuation lines
  // that start with the inner group.
  const std::vector<std::string> g = read_lines("IMOUT/GHGDELTA.OUT");
  const int mod = find_line(g, "  MODELS  :");
  ASSERT_GE(mod, 0);
  EXPECT_EQ(g[mod], "  MODELS  : GC01TR98 : GC02TR99 : GC03TR96 : GC04TR98 : GC05TR96 : GC06TR98 :");
  EXPECT_EQ(g[mod + 1], " GC07TR95 : GC08TR98 : GC09TR90 : GC10TR95 : GC11TR95 : GC12TR00 :");
  EXPECT_EQ(g[mod + 2], " GC13TR97 : GC14TR98 : GC15TR96 : GC16TR00 : GC17TR95 :");
  EXPECT_EQ(g[mod + 4], " *** SCALED CHANGE (GHG ONLY) : AVERAGE OVER 17 CASES (degC) ***");
  EXPECT_EQ(g[mod + 5], "");

  for (const char* f : IMOUT_TABLE_FILES) {
    const std::vector<std::string> ls = read_lines(std::string("IMOUT/") + f);
    EXPECT_EQ(check_tables(ls, f), 1) << f;
    EXPECT_EQ(ls.size(), static_cast<std::size_t>(find_line(ls, " degN/degE") + 38)) << f;
  }
  EXPECT_EQ(check_tables(read_lines("IMOUT/IMFIELDS.OUT"), "IMFIELDS.OUT"), 12);
  EXPECT_EQ(read_lines("IMOUT/DRIFT.OUT").size(), 2u + 2 + 4);  // headers only outside mode 3

  // Dumps: title records, one blank record, 152 records of 17 values and one of 8.
  for (const char* f : TESSERA_FILES) {
    const std::vector<std::string> ls = read_lines(std::string("TESSERA/") + f);
    ASSERT_EQ(ls.size(), 156u) << f;
    EXPECT_EQ(ls[2], " ") << f;
    for (int k = 3; k < 155; ++k) ASSERT_EQ(ls[k].size(), 17u * 8) << f << " record " << k;
    EXPECT_EQ(ls[155].size(), 8u * 8) << f;
    EXPECT_EQ(dump_values(ls).size(), 2592u) << f;
  }
  EXPECT_EQ(read_lines("TESSERA/MODBASE.OUT")[1],
            " *** MODEL-MEAN BASELINE CLIMATE : AVERAGE OVER 17 MODELS (degC) ***");
  EXPECT_EQ(read_lines("TESSERA/ABS-OBS.OUT")[0],
            " *** NEW MEAN CLIMATE (WITH AEROSOLS) : CHANGE AVERAGED OVER 17 CASES (degC) ***");
  EXPECT_EQ(read_lines("TESSERA/ABS-OBS.OUT")[1], " BASELINE = OBSERVED DATA");
  EXPECT_EQ(read_lines("TESSERA/ERROR.OUT")[1],
            " *** ERROR FIELD : MODEL-MEAN BASELINE MINUS OBSERVED (degC) : 17 MODELS ***");

  // The dumps agree: new climate = observed + change, error = model mean - observed.
  const std::vector<double> obs = dump_values(read_lines("TESSERA/OBSBASE.OUT"));
  const std::vector<double> del = dump_values(read_lines("TESSERA/DEL2USE.OUT"));
  const std::vector<double> absobs = dump_values(read_lines("TESSERA/ABS-OBS.OUT"));
  const std::vector<double> modbase = dump_values(read_lines("TESSERA/MODBASE.OUT"));
  const std::vector<double> error = dump_values(read_lines("TESSERA/ERROR.OUT"));
  const std::vector<double> prob = dump_values(read_lines("TESSERA/PROBINCR.OUT"));
  const std::vector<double> snr = dump_values(read_lines("TESSERA/IM-SNR.OUT"));
  int valid = 0;
  for (int m = 0; m < 2592; ++m) {
    if (obs[m] > -99.0 && del[m] > -99.0) {
      ++valid;
      EXPECT_NEAR(absobs[m], obs[m] + del[m], 0.0015) << m;
    } else {
      EXPECT_EQ(absobs[m], -99.99) << m;
    }
    if (obs[m] > -99.0 && modbase[m] > -99.0) {
      EXPECT_NEAR(error[m], modbase[m] - obs[m], 0.0015) << m;
    }
    EXPECT_TRUE(prob[m] == -99.99 || (prob[m] >= 0.0 && prob[m] <= 1.0)) << prob[m];
    EXPECT_LE(snr[m], 999.999);
  }
  EXPECT_GT(valid, 2000);

  // The run log: weights, mask map, 17 change files, aerosols, 17 baselines,
  // observations, the change files again.
  const std::vector<std::string> log = read_lines("IMOUT/IMFILES.OUT");
  EXPECT_EQ(log[1], " *** TSU (PATTERN WEIGHTS) FILE READ ***");
  EXPECT_EQ(log[2], " TSU.DR");
  EXPECT_EQ(log[5], "  YEAR  GHG-WT  EUR-WT ASIA-WT  ROW-WT  GLOBAL");
  EXPECT_EQ(log[6].substr(0, 6), "  2050");
  EXPECT_EQ(log[8], " *** MASK MAP ***");
  EXPECT_EQ(log[9], "        ");
  EXPECT_EQ(log[10], std::string(72, '1'));
  EXPECT_EQ(log[47], " *** NORMALIZED MEAN STATE CHANGE FILES READ ***");
  EXPECT_EQ(log[48], " /TS41/TESS-41/ENGINE/TRELLIS5/OUT/GC01TR98.1TQ");
  EXPECT_EQ(log[66], " *** AEROSOL RESPONSE PATTERN FILE READ ***");
  EXPECT_EQ(log[67], " /TS41/TESS-41/ENGINE/TRELLIS5/SO4/UISO.9TQ");
  EXPECT_EQ(log[69], " *** BASELINE MEAN STATE FILES READ ***");
  EXPECT_EQ(log[86], " /TS41/TESS-41/ENGINE/TRELLIS5/OUT/GC17TR95.3TQ");
  EXPECT_EQ(log[88], " *** OBSERVED DATA FILE READ ***");
  EXPECT_EQ(log[89], " /TS41/TESS-41/ENGINE/TRELLIS5/OBS/OBS.7TQ");
  EXPECT_EQ(log[91], " *** NORMALIZED MEAN STATE CHANGE FILES READ ***");
  EXPECT_EQ(log.size(), 92u + 17);

  // The correlation matrix: 17 rows, the model-mean row, the average row.
  const std::vector<std::string> c = read_lines("IMOUT/IMCORRS.OUT");
  const int head = find_line(c, "         GC01D1 GC02D1");
  ASSERT_GE(head, 0);
  for (int j = 1; j <= 17; ++j) EXPECT_EQ(numbers(c[head + j].substr(8)).size(), 17u) << j;
  EXPECT_EQ(c[head + 18].substr(0, 8), " MEANMOD");
  EXPECT_EQ(c[head + 20].substr(0, 8), " AVE-COR");
  EXPECT_EQ(find_line(c, " MAX CORREL, RANK = 8"), find_line(c, " MAX CORREL, RANK = 1") + 7);
}

TEST_F(SyntheticTree, FourteenModelsContinueTheModelListOnTwoLines) {
  Scratch dir;
  ASSERT_EQ(run(models(14)).status, 0);
  const std::vector<std::string> ls = read_lines("IMOUT/NORMDEL.OUT");
  const int mod = find_line(ls, "  MODELS  :");
  ASSERT_GE(mod, 0);
  EXPECT_EQ(ls[mod + 1], " GC07TR95 : GC08TR98 : GC09TR90 : GC10TR95 : GC11TR95 : GC12TR00 :");
  EXPECT_EQ(ls[mod + 2], " GC13TR97 : GC14TR98 :");
  EXPECT_EQ(ls[mod + 3], "");
  EXPECT_EQ(ls[mod + 4],
            " *** MODEL-MEAN OF NORMALIZED GHG CHANGE FIELDS : AVERAGE OVER 14 CASES (degC) ***");
}

TEST_F(SyntheticTree, DefinitionModeThreeFromTheShellFile) {
  Scratch dir;
  Settings s = models(4);
  s.IDEF = 3;
  ASSERT_EQ(run(s).status, 0);

  const std::vector<std::string> f = read_lines("IMOUT/IMFIELDS.OUT");
  EXPECT_EQ(f[1], " ***  4 MODELS : VARIABLE =   TEMP -- LINEAR SCALING : SEASON = ANN ***");
  EXPECT_EQ(f[3], " *** DEFINITION 1 & 2 RESULTS ***  :  8 CASES");
  EXPECT_GE(find_line(f, " *** SCALED CHANGE (GHG ONLY) : AVERAGE OVER  8 CASES (degC) ***"), 0);
  EXPECT_GE(find_line(f, " *** NEW MEAN CLIMATE (WITH AEROSOLS) : CHANGE AVERAGED OVER  8 CASES (degC) ***"), 0);
  EXPECT_GE(find_line(f, " *** MODEL-MEAN BASELINE CLIMATE : AVERAGE OVER  4 MODELS (degC) ***"), 0);
  EXPECT_GE(find_line(read_lines("IMOUT/GHGDELTA.OUT"), "AVERAGE OVER  4 CASES"), 0);
  EXPECT_GE(find_line(read_lines("IMOUT/NORMDEL.OUT"), "AVERAGE OVER  4 CASES"), 0);
  EXPECT_GE(find_line(read_lines("IMOUT/PROBINCR.OUT"), " *** PROB OF AN INCREASE ABOVE  1.0 BASED ON  4 GHG CASES ***"), 0);
  EXPECT_GE(find_line(read_lines("IMOUT/NUM-INCR.OUT"), " *** NO. OF CASES OUT OF  4 GHG CASES WITH AN INCREASE ABOVE  1.0 ***"), 0);
  EXPECT_EQ(read_lines("IMOUT/IM-SNR.OUT")[3], " *** DEFINITION 1 & 2 RESULTS ***  :  8 CASES");

  // Nine case lines in each per-case block of the area averages.
  const std::vector<std::string> a = read_lines("IMOUT/AREAAVES.OUT");
  const int first = find_line(a, " MODEL = GC01D1 : AREA AVE");
  EXPECT_EQ(a[first + 4].substr(0, 16), " MODEL = GC01D2 ");
  EXPECT_EQ(a[first + 8].substr(0, 16), " MODEL = MODBAR ");
  EXPECT_EQ(a[first + 9], "");

  // IBOTH is 0: the drift goes to DRIFT.OUT only, the error field stays in TESSERA.
  const std::vector<std::string> drift = read_lines("IMOUT/DRIFT.OUT");
  EXPECT_EQ(check_tables(drift, "DRIFT.OUT"), 1);
  EXPECT_GE(find_line(drift, " *** MODEL-MEAN NORMALIZED DRIFT : AVERAGE OVER  4 MODELS (degC/degC-GLOBAL-WARMING) ***"), 0);
  EXPECT_EQ(read_lines("TESSERA/ERROR.OUT")[1],
            " *** ERROR FIELD : MODEL-MEAN BASELINE MINUS OBSERVED (degC) :  4 MODELS ***");

  const std::vector<std::string> c = read_lines("IMOUT/IMCORRS.OUT");
  const int def = find_line(c, " *** DEF.1/DEF.2 PATTERN CORRELATIONS : NO COSINE WEIGHTING ***");
  ASSERT_GE(def, 0);
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(c[def + 2 + k].size(), 2u + 4 + 8);
    EXPECT_EQ(c[def + 2 + k].substr(2, 4), "GC0" + std::to_string(k + 1));
  }
  EXPECT_EQ(c[def + 6], "");
  EXPECT_GE(find_line(c, "         GC01D1 GC02D1 GC03D1 GC04D1 GC01D2 GC02D2 GC03D2 GC04D2 "), 0);
}

TEST_F(SyntheticTree, PrecipitationWithoutAerosolsOverAMask) {
  Scratch dir;
  Settings s = models(17);
  s.IVAR = 2;
  s.ISEAS = 13;
  s.ISCALE = 2;
  s.ISULF = 0;
  s.IMASK = 1;
  s.MASKID = 'L';
  s.IPSET = 2;
  s.ISCEN = 2;
  ASSERT_EQ(run(s).status, 0);

  // The weights record used, as logged: the GHG and total warming.
  const std::vector<std::string> log = read_lines("IMOUT/IMFILES.OUT");
  EXPECT_EQ(log[1], " *** MASK FILE OPENED, PLUS NAME OF REGION ***");
  EXPECT_EQ(log[2], " MASK.L");
  const int rec = find_line(log, " YEAR  GHG-WT") + 1;
  const std::vector<double> w = numbers(log[rec]);
  ASSERT_EQ(w.size(), 6u);
  char dtg[16], dtt[16];
  std::snprintf(dtg, sizeof dtg, "%7.3f", w[1]);
  std::snprintf(dtt, sizeof dtt, "%7.3f", w[5]);

  // Without aerosols the gridpoint change carries the total warming; the
  // area averages report the GHG warming.
  const std::vector<std::string> f = read_lines("IMOUT/IMFIELDS.OUT");
  EXPECT_EQ(f[1], " *** 17 MODELS : VARIABLE = PRECIP -- EXPONENTIAL SCALING : SEASON = DJF ***");
  EXPECT_EQ(f[4], " *** ORVANE MODEL =    USER : SCENARIO =  POLICY : YEAR = 2050 ***");
  EXPECT_EQ(f[5], std::string(" *** GLOBAL-MEAN Delta-T USED FOR GHG SCALING =") + dtt + " degC");
  const std::vector<std::string> a = read_lines("IMOUT/AREAAVES.OUT");
  EXPECT_EQ(a[5], std::string(" *** GLOBAL-MEAN Delta-T USED FOR GHG SCALING =") + dtg + " degC");
  EXPECT_EQ(a[6], std::string(" *** TOTAL GLOBAL-MEAN Delta-T =") + dtt + " degC");
  EXPECT_EQ(a[8].substr(0, 55), " AREA SPECIFIED BY MASK. MASKFILE = MASK.L : MASKNAME =");
  EXPECT_GE(find_line(a, "  (%/degC)"), 0);
  EXPECT_GE(find_line(a, "  (mm/day)"), 0);
  EXPECT_GE(find_line(a, " AEROSOL ONLY     : AREA AVERAGE ="), 0);

  EXPECT_GE(find_line(f, " *** NEW MEAN CLIMATE (GHG ONLY) : CHANGE AVERAGED OVER 17 CASES (mm/day) ***"), 0);
  EXPECT_GE(find_line(f, " *** OBSERVED BASELINE CLIMATE (mm/day) ***"), 0);
  EXPECT_GE(find_line(f, " *** INTER-MODEL STANDARD DEVIATIONS FOR NORMALIZED GHG DATA (%) ***"), 0);
  const std::vector<std::string> aer = read_lines("IMOUT/AEROSOL.OUT");
  EXPECT_EQ(aer[1], " *** NO AEROSOL PATTERN OUTPUT. ISULF SET TO 0 ***");
  EXPECT_EQ(aer[3], " *** SCALED CHANGE FIELD (AEROSOL ONLY) : (%) ***");
  EXPECT_EQ(check_tables(aer, "AEROSOL.OUT"), 1);
  EXPECT_EQ(read_lines("TESSERA/ABS-MOD.OUT")[1], " BASELINE = MODEL-AVERAGE DATA");
  EXPECT_EQ(read_lines("TESSERA/OBSBASE.OUT")[1], " *** OBSERVED BASELINE CLIMATE (mm/day) ***");
  EXPECT_EQ(read_lines("IMOUT/OBSBASE.OUT")[1], " *** VARIABLE = PRECIP : SEASON = DJF ***");

  // New precipitation climate: observed * (1 + change / 100).
  const std::vector<double> obs = dump_values(read_lines("TESSERA/OBSBASE.OUT"));
  const std::vector<double> del = dump_values(read_lines("TESSERA/DEL2USE.OUT"));
  const std::vector<double> absobs = dump_values(read_lines("TESSERA/ABS-OBS.OUT"));
  for (int m = 0; m < 2592; ++m) {
    if (obs[m] > -99.0 && del[m] > -99.0) {
      EXPECT_NEAR(absobs[m], obs[m] * (1.0 + del[m] / 100.0), 0.002 + 1e-5 * std::fabs(obs[m])) << m;
    }
  }
}

}  // namespace
