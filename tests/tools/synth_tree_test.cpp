// A generated tree read back through the engines' own readers: file names,
// encodings, missing values, zero S.D.s, masks, weights and the demo
// settings; and the same seed giving the same bytes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "engines/common/config.h"
#include "engines/common/field_files.h"
#include "engines/common/file_names.h"
#include "tools/land_table.h"
#include "tools/synth_climate.h"
#include "tools/synth_files.h"
#include "tools/synth_tree.h"

namespace fs = std::filesystem;

namespace {

constexpr std::uint64_t SEED = 7;
constexpr int JAN = 1, ANN = 17;

fs::path scratch(const std::string& what) {
  return fs::temp_directory_path() / ("tesseragen_" + what + "_" + std::to_string(getpid()));
}

std::string contents(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every file of a tree, by path relative to its root, with its bytes.
std::map<std::string, std::string> snapshot(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(root))
    if (e.is_regular_file()) files[fs::relative(e.path(), root).string()] = contents(e.path());
  return files;
}

synth::TreeSummary make_tree(const fs::path& root, std::uint64_t seed, std::vector<int> seasons,
                             std::vector<int> vars = {1, 2}) {
  synth::TreeOptions opt;
  opt.root = root.string();
  opt.seed = seed;
  opt.seasons = std::move(seasons);
  opt.vars = std::move(vars);
  return synth::generate_tree(opt);
}

// Runs the engines' readers with the data root pointing at the tree and the
// working directory at the tree's work directory.
class TreeReadBack : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    root_ = scratch("readback");
    fs::remove_all(root_);
    summary_ = make_tree(root_, SEED, {JAN, ANN});
  }
  static void TearDownTestSuite() { fs::remove_all(root_); }

  void SetUp() override {
    old_cwd_ = fs::current_path();
    fs::current_path(root_ / "WORK");
    setenv("TESSERA_DATA_ROOT", root_.c_str(), 1);
  }
  void TearDown() override {
    fs::current_path(old_cwd_);
    unsetenv("TESSERA_DATA_ROOT");
  }

  static fs::path root_;
  static synth::TreeSummary summary_;
  fs::path old_cwd_;
};

fs::path TreeReadBack::root_;
synth::TreeSummary TreeReadBack::summary_;

TEST_F(TreeReadBack, HoldsEveryFileUnderItsStandardName) {
  // 17 models x 6 families + 2 observed + 1 aerosol, per variable and season;
  // 4 weights, 4 masks, 2 settings files and the README.
  EXPECT_EQ(summary_.files, 2 * 2 * (17 * 6 + 3) + 4 + 4 + 2 + 1);
  EXPECT_TRUE(fs::exists(root_ / "TRELLIS5/OUT/GC01TR98.1TQ"));
  EXPECT_TRUE(fs::exists(root_ / "TRELLIS5/OUT/GC17TR95.6PA"));
  EXPECT_TRUE(fs::exists(root_ / "TRELLIS5/OBS/OBS.8TQ"));
  EXPECT_TRUE(fs::exists(root_ / "TRELLIS5/OBS/OBS.7PA"));
  EXPECT_TRUE(fs::exists(root_ / "TRELLIS5/SO4/UISO.9PQ"));
  EXPECT_FALSE(fs::exists(root_ / "TRELLIS5/OUT/GC01TR98.1TM"));  // DJF was not asked for
  std::string readme = contents(root_ / "README.txt");
  EXPECT_EQ(readme.rfind("SYNTHETIC DATA", 0), 0u);
  EXPECT_NE(readme.find("Seed: 7"), std::string::npos);
}

TEST_F(TreeReadBack, ModelFilesDecodeToTheGeneratedValues) {
  const eng::Decode rules[6] = {eng::Decode::Change, eng::Decode::Change,     eng::Decode::Change,
                                eng::Decode::BaselineSD, eng::Decode::Change, eng::Decode::Change};
  long missing = 0, zero_sd = 0;
  for (int ivar : {1, 2})
    for (int iseas : {JAN, ANN})
      for (int m = 1; m <= 17; ++m) {
        synth::ModelFields f = synth::model_fields(SEED, m, ivar, iseas);
        const synth::Field* family[6] = {&f.change[0], &f.change[1], &f.base,
                                         &f.basesd,    &f.sdchange[0], &f.sdchange[1]};
        for (int d = 0; d < 6; ++d) {
          std::string name = eng::model_file_name(m, static_cast<char>('1' + d), ivar, iseas);
          eng::Field F;
          eng::read_field(name, rules[d], F);
          for (int k = 0; k < synth::NBOX; ++k) {
            double want = (*family[d])[k];
            if (!synth::valid(want)) {
              ++missing;
              ASSERT_FALSE(eng::valid(F.v[k])) << name << " box " << k;
              ASSERT_DOUBLE_EQ(F.v[k], -99.99) << name << " box " << k;
            } else if (d == 3 && std::abs(want) < 0.005) {
              ++zero_sd;  // a zero S.D. reads as 0.005
              ASSERT_DOUBLE_EQ(F.v[k], 0.005) << name << " box " << k;
            } else {
              ASSERT_NEAR(F.v[k], want, 0.005 + 1e-9) << name << " box " << k;
            }
          }
          // Every change file leaves the last box missing.
          if (d != 2 && d != 3) { EXPECT_FALSE(eng::valid(F.v[synth::HOLE_BOX])) << name; }
        }
      }
  // A sprinkle: some of both, but only a small share.
  long values = 2 * 2 * 17 * 6 * synth::NBOX;
  EXPECT_GT(missing, values / 1000);
  EXPECT_LT(missing, values / 100);
  EXPECT_GT(zero_sd, 0);
}

TEST_F(TreeReadBack, ObservedBaselinesUseTheirSetsEncoding) {
  for (int ivar : {1, 2})
    for (const char* set : {"OLD", "NEW"}) {
      eng::EngineConfig c;
      c.IVAR = ivar;
      c.ISEAS = ANN;
      c.OBSSET = set;
      bool old_set = c.OBSSET == "OLD";
      synth::Field want = synth::observed_baseline(SEED, ivar, ANN, old_set);
      eng::Field F;
      eng::read_field(eng::observed_file_name(c), eng::observed_decode(c), F);
      // "OLD" temperatures are stored in tenths.
      double tol = old_set && ivar == 1 ? 0.05 : 0.005;
      int missing = 0;
      for (int k = 0; k < synth::NBOX; ++k) {
        if (!synth::valid(want[k])) {
          ++missing;
          ASSERT_FALSE(eng::valid(F.v[k])) << set << " " << ivar << " box " << k;
        } else {
          ASSERT_NEAR(F.v[k], want[k], tol + 1e-9) << set << " " << ivar << " box " << k;
        }
      }
      // The OLD set has no data along the northernmost row.
      if (old_set) { EXPECT_GE(missing, 72); }
      EXPECT_GT(missing, 0);
    }
}

TEST_F(TreeReadBack, AerosolPatternsReadAsThreeBlocks) {
  eng::EngineConfig c;
  c.IVAR = 1;
  c.ISEAS = JAN;
  eng::Field P[3];
  eng::read_aerosol_patterns(eng::aerosol_file_name(c), P[0], P[1], P[2]);
  auto want = synth::aerosol_patterns(SEED, 1, JAN);
  for (int b = 0; b < 3; ++b)
    for (int k = 0; k < synth::NBOX; ++k) ASSERT_NEAR(P[b].v[k], want[b][k], 0.005 + 1e-9);
  // Each pattern peaks near its source: Europe's over Europe (row 8 = 52.5 N,
  // column 39 = 12.5 E), Asia's over eastern Asia (row 13 = 27.5 N, column 58 = 107.5 E).
  EXPECT_GT(P[0](8, 39), P[1](8, 39));
  EXPECT_GT(P[1](13, 58), P[0](13, 58));
  EXPECT_GT(P[0](8, 39), 2.0);
}

TEST_F(TreeReadBack, MasksFollowTheLandTable) {
  rec::Unit log((root_ / "WORK/IMOUT/mask.log").string(), rec::Status::Unknown);
  eng::EngineConfig c;
  c.MASKID = "L";
  eng::MaskFile land = eng::read_mask(c, log);
  EXPECT_EQ(land.MASKNAME, "LAND    ");
  c.MASKID = "O";
  eng::MaskFile ocean = eng::read_mask(c, log);
  c.MASKID = "W";
  eng::MaskFile twice = eng::read_mask(c, log);
  c.MASKID = "E";
  eng::MaskFile europe = eng::read_mask(c, log);
  int nland = 0, neurope = 0;
  for (int i = 1; i <= 36; ++i)
    for (int j = 1; j <= 72; ++j) {
      int L = synth::LAND_ROWS[i - 1][j - 1] == '1';
      nland += L;
      neurope += europe.MASK(i, j);
      ASSERT_EQ(land.MASK(i, j), L);
      ASSERT_EQ(ocean.MASK(i, j), 1 - L);
      ASSERT_EQ(twice.MASK(i, j), 1 + L);
      if (europe.MASK(i, j)) { ASSERT_EQ(L, 1); }
    }
  EXPECT_EQ(nland, 851);
  EXPECT_GT(neurope, 20);
  EXPECT_EQ(europe.MASK(8, 39), 1);  // 52.5 N, 12.5 E
}

TEST_F(TreeReadBack, WeightsFilesGiveConsistentWarming) {
  rec::Unit log((root_ / "WORK/IMOUT/weights.log").string(), rec::Status::Unknown);
  eng::Weights w[3][3];
  for (int ipset = 1; ipset <= 2; ++ipset)
    for (int iscen = 1; iscen <= 2; ++iscen) {
      eng::EngineConfig c;
      c.IPSET = ipset;
      c.ISCEN = iscen;
      c.IYEAR = 2100;
      w[ipset][iscen] = eng::read_weights(c, log);
      const eng::Weights& x = w[ipset][iscen];
      EXPECT_EQ(x.YEAR, 2100);
      EXPECT_NEAR(x.GLOBWT, x.GHGWT + x.EURWT + x.ASIAWT + x.ROWWT, 2e-4);
      EXPECT_GT(x.GHGWT, 1.0);
      EXPECT_LE(x.EURWT, 0.0);
      EXPECT_LE(x.ASIAWT, 0.0);
      EXPECT_LE(x.ROWWT, 0.0);
    }
  EXPECT_GT(w[1][1].GHGWT, w[1][2].GHGWT);  // the policy scenario warms less
  EXPECT_GT(w[2][1].GHGWT, w[1][1].GHGWT);  // the USER set is more sensitive
  // A year before the file's first gives its first record; 2200 is its last.
  eng::EngineConfig c;
  c.IPSET = 1;
  c.ISCEN = 1;
  c.IYEAR = 1900;
  EXPECT_EQ(eng::read_weights(c, log).YEAR, 1961);
  c.IYEAR = 2200;
  EXPECT_EQ(eng::read_weights(c, log).YEAR, 2200);
}

TEST_F(TreeReadBack, DemoSettingsSelectEveryModel) {
  eng::EngineConfig c;
  ASSERT_TRUE(eng::read_crossmod_config(c));
  EXPECT_EQ(c.OBSSET, "NEW");
  EXPECT_EQ(c.IVAR, 1);
  EXPECT_EQ(c.ISEAS, ANN);
  EXPECT_EQ(c.NMODS, 17);
  EXPECT_EQ(c.NCASES, 17);
  EXPECT_EQ(c.IMOD[17], 17);
  EXPECT_EQ(c.IYEAR, 2050);
  EXPECT_DOUBLE_EQ(c.XLAT1, -90.0);
  EXPECT_DOUBLE_EQ(c.XLON2, 180.0);
}

TEST(TreeDeterminism, SameSeedSameBytesAndFilesIndependentOfTheSelection) {
  fs::path a = scratch("det_a"), b = scratch("det_b"), c = scratch("det_c");
  for (const fs::path& p : {a, b, c}) fs::remove_all(p);
  make_tree(a, 11, {ANN}, {2});
  make_tree(b, 11, {ANN}, {2});
  make_tree(c, 12, {JAN, ANN}, {1, 2});
  auto fa = snapshot(a), fb = snapshot(b), fc = snapshot(c);
  ASSERT_EQ(fa.size(), fb.size());
  for (const auto& [name, bytes] : fa) {
    ASSERT_TRUE(fb.contains(name)) << name;
    EXPECT_TRUE(fb.at(name) == bytes) << name;
  }
  // Another seed changes the data but not the weights or masks.
  EXPECT_FALSE(fa.at("TRELLIS5/OUT/GC05TR96.1PQ") == fc.at("TRELLIS5/OUT/GC05TR96.1PQ"));
  EXPECT_TRUE(fa.at("WORK/TSU.DR") == fc.at("WORK/TSU.DR"));
  EXPECT_TRUE(fa.at("WORK/MASK.L") == fc.at("WORK/MASK.L"));
  // A file's bytes do not depend on which seasons and variables were
  // generated with it.
  fs::remove_all(c);
  make_tree(c, 11, {JAN, ANN}, {1, 2});
  fc = snapshot(c);
  for (const auto& [name, bytes] : fa)
    if (name.starts_with("TRELLIS5/")) { EXPECT_TRUE(fc.at(name) == bytes) << name; }
  for (const fs::path& p : {a, b, c}) fs::remove_all(p);
}

TEST(TreeFiles, RecordLayoutsAreExact) {
  fs::path root = scratch("layout");
  fs::remove_all(root);
  make_tree(root, 3, {ANN}, {1});
  std::istringstream field(contents(root / "TRELLIS5/OUT/GC09TR90.3TQ"));
  std::string line;
  std::vector<std::string> lines;
  while (std::getline(field, line)) lines.push_back(line);
  ASSERT_EQ(lines.size(), 163u);
  EXPECT_EQ(lines[0], "SYNTH\r");
  for (std::size_t r = 1; r < lines.size(); ++r) ASSERT_EQ(lines[r].size(), 16u * 6 + 1) << r;

  std::istringstream aer(contents(root / "TRELLIS5/SO4/UISO.9TQ"));
  lines.clear();
  while (std::getline(aer, line)) lines.push_back(line);
  ASSERT_EQ(lines.size(), 3u * 163);
  EXPECT_NE(lines[163].find("ASIA"), std::string::npos);
  EXPECT_EQ(lines[1].size(), 16u * 7 + 1);

  std::istringstream tsu(contents(root / "WORK/TSU.UP"));
  lines.clear();
  while (std::getline(tsu, line)) lines.push_back(line);
  ASSERT_EQ(lines.size(), 6u + (2200 - 1961 + 1));
  EXPECT_EQ(lines[6].substr(0, 6), "  1961");
  EXPECT_EQ(lines[6].size(), 1u + 5 + 5 * 10 + 1);
  fs::remove_all(root);
}

}  // namespace
