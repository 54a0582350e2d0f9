// Grid-field, aerosol, mask and weights files: decoding rules, stream order,
// the data root, and the logs written while reading.
#include "engines/common/field_files.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engines/common/file_names.h"
#include "support/scratch_dir.h"

namespace {

using testsupport::ScratchWorkDir;
using testsupport::read_lines;
using testsupport::write_lines;

// A grid-field file: identifier record, then the 2592 integers `per_line`
// to a record in fields of `width`.
void write_grid_file(const std::string& name, const std::vector<int>& v, int width, int per_line,
                     std::vector<std::string> lines = {}) {
  lines.push_back("IDENT");
  std::string line;
  for (std::size_t m = 0; m < v.size(); ++m) {
    char b[16];
    std::snprintf(b, sizeof b, "%*d", width, v[m]);
    line += b;
    if ((m + 1) % per_line == 0 || m + 1 == v.size()) {
      lines.push_back(line);
      line.clear();
    }
  }
  write_lines(name, lines);
}

std::vector<int> ramp() {
  std::vector<int> v(eng::NGRID);
  for (int m = 0; m < eng::NGRID; ++m) v[m] = m;
  return v;
}

TEST(Decode, ChangeFilesMarkValuesAbove100000Missing) {
  EXPECT_DOUBLE_EQ(eng::decode(100000, eng::Decode::Change), 1000.0);
  EXPECT_DOUBLE_EQ(eng::decode(100001, eng::Decode::Change), -99.99);
  EXPECT_FALSE(eng::valid(eng::decode(100001, eng::Decode::Change)));
  EXPECT_DOUBLE_EQ(eng::decode(-250, eng::Decode::Change), -2.5);
  EXPECT_DOUBLE_EQ(eng::decode(0, eng::Decode::Change), 0.0);
}

TEST(Decode, BaselineSdStoresZeroAs0005) {
  EXPECT_DOUBLE_EQ(eng::decode(0, eng::Decode::BaselineSD), 0.005);
  EXPECT_DOUBLE_EQ(eng::decode(37, eng::Decode::BaselineSD), 0.37);
  EXPECT_DOUBLE_EQ(eng::decode(100001, eng::Decode::BaselineSD), -99.99);
}

TEST(Decode, ObservedRules) {
  EXPECT_EQ(eng::decode(-9991, eng::Decode::ObsTempOld), eng::MISSING);
  EXPECT_DOUBLE_EQ(eng::decode(-9990, eng::Decode::ObsTempOld), -999.0);
  EXPECT_FALSE(eng::valid(eng::decode(-9990, eng::Decode::ObsTempOld)));
  EXPECT_DOUBLE_EQ(eng::decode(153, eng::Decode::ObsTempOld), 15.3);
  EXPECT_DOUBLE_EQ(eng::decode(153, eng::Decode::ObsTempNew), 1.53);
  EXPECT_DOUBLE_EQ(eng::decode(200001, eng::Decode::ObsPrecip), 2000.01);  // no missing test
  eng::EngineConfig c;
  c.IVAR = 1;
  c.OBSSET = "OLD";
  EXPECT_EQ(eng::observed_decode(c), eng::Decode::ObsTempOld);
  c.OBSSET = "NEW";
  EXPECT_EQ(eng::observed_decode(c), eng::Decode::ObsTempNew);
  c.IVAR = 2;
  EXPECT_EQ(eng::observed_decode(c), eng::Decode::ObsPrecip);
}

TEST(GridFile, ValuesFollowTheStreamAcrossRecordBoundaries) {
  ScratchWorkDir dir("engcommon");
  std::vector<int> v = ramp();
  v[75] = 100001;
  write_grid_file("F.1TQ", v, 6, 16);
  eng::Field F;
  eng::read_field("F.1TQ", eng::Decode::Change, F);
  EXPECT_DOUBLE_EQ(F(1, 1), 0.0);
  EXPECT_DOUBLE_EQ(F(1, 72), 0.71);
  EXPECT_DOUBLE_EQ(F(2, 1), 0.72);          // value 73 starts row 2 inside record 6
  EXPECT_FALSE(eng::valid(F(2, 4)));        // value 76
  EXPECT_DOUBLE_EQ(F(36, 72), 25.91);
  EXPECT_DOUBLE_EQ(F.row(2)[0], 0.72);
}

TEST(GridFile, ShortFileFailsNamingIt) {
  ScratchWorkDir dir("engcommon");
  std::vector<int> v = ramp();
  v.resize(2000);
  write_grid_file("SHORT.1TQ", v, 6, 16);
  eng::Field F;
  try {
    eng::read_field("SHORT.1TQ", eng::Decode::Change, F);
    ADD_FAILURE() << "short file accepted";
  } catch (const rec::Error& e) {
    EXPECT_NE(std::string(e.what()).find("SHORT.1TQ"), std::string::npos) << e.what();
  }
}

TEST(GridFile, DataRootIsReplacedForOpeningOnly) {
  ScratchWorkDir dir("engcommon");
  const std::string name = "/TS41/TESS-41/ENGINE/TRELLIS5/OUT/GC01TR98.1TQ";
  ::unsetenv("TESSERA_DATA_ROOT");
  EXPECT_EQ(eng::opened_name(name), name);
  const std::string root = dir.path().string() + "/data/";
  ::setenv("TESSERA_DATA_ROOT", root.c_str(), 1);
  EXPECT_EQ(eng::opened_name(name), dir.path().string() + "/data/TRELLIS5/OUT/GC01TR98.1TQ");
  EXPECT_EQ(eng::opened_name("TSU.DR"), "TSU.DR");
  std::filesystem::create_directories("data/TRELLIS5/OUT");
  write_grid_file("data/TRELLIS5/OUT/GC01TR98.1TQ", ramp(), 6, 16);
  eng::Field F;
  eng::read_field(name, eng::Decode::Change, F);
  EXPECT_DOUBLE_EQ(F(36, 72), 25.91);
  ::unsetenv("TESSERA_DATA_ROOT");
}

TEST(AerosolFile, ThreeBlocksWithoutMissingTest) {
  ScratchWorkDir dir("engcommon");
  std::vector<std::string> lines;
  for (int b = 1; b <= 3; ++b) {
    lines.push_back("BLOCK " + std::to_string(b));
    std::string line;
    for (int m = 0; m < eng::NGRID; ++m) {
      char s[16];
      std::snprintf(s, sizeof s, "%7d", m == 0 ? 100001 * b : b * 100 + m);
      line += s;
      if ((m + 1) % 16 == 0 || m + 1 == eng::NGRID) {
        lines.push_back(line);
        line.clear();
      }
    }
  }
  write_lines("UISO.9TQ", lines);
  eng::Field P1, P2, P3;
  eng::read_aerosol_patterns("UISO.9TQ", P1, P2, P3);
  EXPECT_DOUBLE_EQ(P1(1, 1), 1000.01);
  EXPECT_DOUBLE_EQ(P3(1, 1), 3000.03);
  EXPECT_DOUBLE_EQ(P2(1, 2), 2.01);
  EXPECT_DOUBLE_EQ(P3(36, 72), 3.0 + 25.91);
}

TEST(MaskFile, ReadsNameAndDigitsAndLogsThem) {
  ScratchWorkDir dir("engcommon");
  std::filesystem::copy_file(std::string(TEST_DATA_DIR) + "/engines/common/MASK.T", "MASK.T");
  eng::EngineConfig c;
  c.MASKID = "T";
  eng::MaskFile m;
  {
    rec::Unit log("LOG", rec::Status::Unknown);
    m = eng::read_mask(c, log);
  }
  EXPECT_EQ(m.MASKNAME, "TWOBOX  ");
  EXPECT_EQ(m.MASK(7, 35), 2);
  EXPECT_EQ(m.MASK(7, 36), 1);
  EXPECT_EQ(m.MASK(30, 1), 1);
  int sum = 0;
  for (int v : m.MASK.v) sum += v;
  EXPECT_EQ(sum, 4);
  EXPECT_EQ(read_lines("LOG"), (std::vector<std::string>{
                                   "", " *** MASK FILE OPENED, PLUS NAME OF REGION ***", " MASK.T",
                                   "TWOBOX  "}));
}

TEST(WeightsFile, PicksTheFirstYearAtOrAfterIyear) {
  ScratchWorkDir dir("engcommon");
  std::filesystem::copy_file(std::string(TEST_DATA_DIR) + "/engines/common/TSU.DR", "TSU.DR");
  eng::EngineConfig c;
  c.IPSET = 1;
  c.ISCEN = 1;
  c.IYEAR = 2045;
  eng::Weights w;
  {
    rec::Unit log("LOG", rec::Status::Unknown);
    w = eng::read_weights(c, log);
  }
  EXPECT_EQ(w.YEAR, 2050);
  EXPECT_DOUBLE_EQ(w.GHGWT, 1.5);
  EXPECT_DOUBLE_EQ(w.EURWT, -0.05);
  EXPECT_DOUBLE_EQ(w.ASIAWT, -0.1);
  EXPECT_DOUBLE_EQ(w.ROWWT, -0.025);
  EXPECT_DOUBLE_EQ(w.GLOBWT, 1.0);
  EXPECT_EQ(read_lines("LOG"),
            (std::vector<std::string>{"", " *** TSU (PATTERN WEIGHTS) FILE READ ***", " TSU.DR", "",
                                      " *** SELECTED YEAR AND WEIGHT FACTORS ***",
                                      "  YEAR  GHG-WT  EUR-WT ASIA-WT  ROW-WT  GLOBAL",
                                      "  2050   1.500  -0.050  -0.100  -0.025   1.000"}));

  c.IYEAR = 1990;  // before the first year: the first record
  rec::Unit log("LOG", rec::Status::Unknown);
  EXPECT_EQ(eng::read_weights(c, log).YEAR, 2000);
}

TEST(WeightsFile, NoYearLateEnoughFailsNamingFileAndYear) {
  ScratchWorkDir dir("engcommon");
  std::filesystem::copy_file(std::string(TEST_DATA_DIR) + "/engines/common/TSU.DR", "TSU.DR");
  eng::EngineConfig c;
  c.IPSET = 1;
  c.ISCEN = 1;
  c.IYEAR = 2101;
  rec::Unit log("LOG", rec::Status::Unknown);
  try {
    eng::read_weights(c, log);
    ADD_FAILURE() << "year 2101 found";
  } catch (const rec::Error& e) {
    EXPECT_NE(std::string(e.what()).find("TSU.DR, record 18"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("2101"), std::string::npos) << e.what();
  }
}

// A weights file of six header records and the given records, as written.
void write_weights_text(const std::vector<std::string>& records) {
  std::vector<std::string> lines(6, " header");
  lines.insert(lines.end(), records.begin(), records.end());
  write_lines("TSU.DR", lines);
}

// The message of read_weights for IYEAR 2050, or "" when it reads a record.
std::string weights_error(int IYEAR = 2050) {
  eng::EngineConfig c;
  c.IPSET = 1;
  c.ISCEN = 1;
  c.IYEAR = IYEAR;
  rec::Unit log("LOG", rec::Status::Unknown);
  try {
    eng::read_weights(c, log);
  } catch (const rec::Error& e) {
    return e.what();
  }
  return "";
}

TEST(WeightsFile, WeightsThatAreNoClimateAreRefusedNamingRecordAndColumns) {
  ScratchWorkDir dir("engcommon");
  const std::string expected =
      " is not accepted; expected a warming from -99.999 to 99.999 degC (a global-mean "
      "warming of 100 degC or more is not a climate)";
  write_weights_text({"  2050     1e300    0.0000    0.0000    0.0000    1.0000"});
  EXPECT_EQ(weights_error(), "TSU.DR, record 7: columns 7-16: GHGWT = 1e+300" + expected);
  write_weights_text({"  2050    1.0000    0.0000    0.0000    0.0000  -100.000"});
  EXPECT_EQ(weights_error(), "TSU.DR, record 7: columns 47-56: GLOBWT = -100" + expected);
  write_weights_text({"  2050    1.0000  -100.001    0.0000    0.0000    1.0000"});
  EXPECT_EQ(weights_error(), "TSU.DR, record 7: columns 17-26: EURWT = -100.001" + expected);
  write_weights_text({"  2050    1.0000    0.0000    1.2e99    0.0000    1.0000"});
  EXPECT_EQ(weights_error(), "TSU.DR, record 7: columns 27-36: ASIAWT = 1.2e+99" + expected);
  // A record read on the way to the selected one is checked as well.
  write_weights_text({"  2000    0.0000    0.0000    0.0000  100.0000    0.0000",
                      "  2050    1.0000    0.0000    0.0000    0.0000    1.0000"});
  EXPECT_EQ(weights_error(), "TSU.DR, record 7: columns 37-46: ROWWT = 100" + expected);
  // The records after the selected one are not read.
  write_weights_text({"  2050    1.0000    0.0000    0.0000    0.0000    1.0000",
                      "  2100     1e300    0.0000    0.0000    0.0000    1.0000"});
  EXPECT_EQ(weights_error(), "");

  // The limits themselves are warmings, and the run headers print them.
  write_weights_text({"  2050    99.999   -99.999    99.999   -99.999   -99.999"});
  EXPECT_EQ(weights_error(), "");
  EXPECT_EQ(read_lines("LOG").back(), "  2050  99.999 -99.999  99.999 -99.999 -99.999");
  // A year before the first record still selects the first record.
  write_weights_text({"  2060    2.0000    0.1000    0.2000    0.3000    2.6000"});
  EXPECT_EQ(weights_error(2000), "");
  EXPECT_EQ(read_lines("LOG").back(), "  2060   2.000   0.100   0.200   0.300   2.600");
}

}  // namespace
