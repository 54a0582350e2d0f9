// Study-area selection, its description and mask map, and the masked
// cosine-weighted area average with its three thresholds.
#include "engines/common/area.h"

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/scratch_dir.h"

namespace {

using testsupport::ScratchWorkDir;
using testsupport::read_lines;

eng::EngineConfig box(double XLAT1, double XLAT2, double XLON1, double XLON2) {
  eng::EngineConfig c;
  c.XLAT1 = XLAT1;
  c.XLAT2 = XLAT2;
  c.XLON1 = XLON1;
  c.XLON2 = XLON2;
  return c;
}

eng::Area select_box(double XLAT1, double XLAT2, double XLON1, double XLON2) {
  return eng::select_area(box(XLAT1, XLAT2, XLON1, XLON2), eng::MaskFile{});
}

TEST(SelectArea, WholeBoxesBetweenLimitsOnMultiplesOfFive) {
  const eng::Area a = select_box(30, 60, -10, 40);
  EXPECT_EQ(a.first_row, 7);
  EXPECT_EQ(a.last_row, 12);
  EXPECT_EQ(a.first_col, 35);
  EXPECT_EQ(a.last_col, 44);
  EXPECT_EQ(a.NPTS, 60);
  EXPECT_EQ(a.MASK(7, 35), 1);
  EXPECT_EQ(a.MASK(12, 44), 1);
  EXPECT_EQ(a.MASK(6, 35), 0);
  EXPECT_EQ(a.MASK(7, 45), 0);
  EXPECT_EQ(a.MASK(13, 40), 0);
}

TEST(SelectArea, WholeGlobeAndSingleBox) {
  const eng::Area g = select_box(-90, 90, -180, 180);
  EXPECT_EQ(g.NPTS, 2592);
  const eng::Area one = select_box(0, 5, 0, 5);
  EXPECT_EQ(one.first_row, 18);
  EXPECT_EQ(one.last_row, 18);
  EXPECT_EQ(one.first_col, 37);
  EXPECT_EQ(one.last_col, 37);
  EXPECT_EQ(one.NPTS, 1);
  EXPECT_EQ(one.MASK(18, 37), 1);
}

TEST(SelectArea, BoxAcrossTheDatelineSelectsNothing) {
  const eng::Area a = select_box(-30, 30, 170, -170);
  EXPECT_EQ(a.NPTS, 0);
  eng::Field ones;
  ones.fill(1.0);
  const eng::AreaMean m = eng::area_average(ones, a.MASK, eng::AreaRule::Case);
  EXPECT_EQ(m.mean, eng::MISSING);
  EXPECT_EQ(m.sd, eng::MISSING);
}

TEST(SelectArea, LimitsMatchingNoIntervalLeaveIndexZero) {
  // A southern limit on a box centre leaves the last row at 0: nothing.
  EXPECT_EQ(select_box(32.5, 60, -10, 40).NPTS, 0);
  // A northern limit beyond the pole leaves the first row at 0: the box
  // reaches the first row and nothing outside the grid is touched.
  const eng::Area a = select_box(30, 95, -10, 40);
  EXPECT_EQ(a.first_row, 0);
  EXPECT_EQ(a.last_row, 12);
  EXPECT_EQ(a.NPTS, 12 * 10);
}

TEST(SelectArea, MaskFileReplacesTheBox) {
  eng::EngineConfig c = box(30, 60, -10, 40);
  c.IMASK = 1;
  eng::MaskFile m;
  m.MASK(7, 35) = 2;
  m.MASK(7, 36) = 1;
  m.MASK(30, 1) = 1;
  const eng::Area a = eng::select_area(c, m);
  EXPECT_EQ(a.first_row, 7);  // limits still computed
  EXPECT_EQ(a.NPTS, 4);       // the digit 2 counts twice
  EXPECT_EQ(a.MASK(8, 40), 0);

  eng::Field F;
  F.fill(0.0);
  F(7, 35) = 1.0;
  F(7, 36) = 4.0;
  F(30, 1) = eng::MISSING;
  const eng::AreaMean avg = eng::area_average(F, a.MASK, eng::AreaRule::Case);
  EXPECT_NEAR(avg.mean, (2 * 1.0 + 4.0) / 3, 1e-12);
  EXPECT_NEAR(avg.sd, std::sqrt((2 * 1.0 + 16.0) / 3 - 4.0), 1e-12);
}

TEST(AreaAverage, CosineWeightsAndSpatialSd) {
  eng::Mask M;
  M(18, 1) = 1;  // 2.5 N
  M(18, 2) = 1;
  M(4, 1) = 1;   // 72.5 N
  eng::Field F;
  F.fill(7.0);
  F(18, 1) = 1.0;
  F(18, 2) = 3.0;
  F(4, 1) = eng::MISSING;
  eng::AreaMean m = eng::area_average(F, M, eng::AreaRule::Case);
  EXPECT_NEAR(m.mean, 2.0, 1e-12);
  EXPECT_NEAR(m.sd, 1.0, 1e-12);

  F(4, 1) = 10.0;
  const double c18 = std::cos(2.5 * eng::PI / 180.0), c4 = std::cos(72.5 * eng::PI / 180.0);
  m = eng::area_average(F, M, eng::AreaRule::Case);
  EXPECT_NEAR(m.mean, (c18 * 4.0 + c4 * 10.0) / (2 * c18 + c4), 1e-12);
  EXPECT_DOUBLE_EQ(eng::grid_tables().COSLAT[4],
                   std::cos(72.5 * (static_cast<double>(3.1415927f) / 180.0)));
}

TEST(AreaAverage, ThresholdsByUse) {
  eng::Field F;
  F.fill(2.0);
  eng::Mask nearpole;  // one box at 72.5 N: weight 0.30
  nearpole(4, 10) = 1;
  EXPECT_DOUBLE_EQ(eng::area_average(F, nearpole, eng::AreaRule::Case).mean, 2.0);
  EXPECT_DOUBLE_EQ(eng::area_average(F, nearpole, eng::AreaRule::Baseline).mean, 2.0);
  EXPECT_EQ(eng::area_average(F, nearpole, eng::AreaRule::ModelMean).mean, eng::MISSING);

  // Just above each threshold: 0.13 (82.5 N) for a baseline, 0.54 (57.5 N)
  // for the model mean.
  eng::Mask north82;
  north82(2, 10) = 1;
  EXPECT_DOUBLE_EQ(eng::area_average(F, north82, eng::AreaRule::Baseline).mean, 2.0);
  EXPECT_EQ(eng::area_average(F, north82, eng::AreaRule::ModelMean).mean, eng::MISSING);
  eng::Mask north57;
  north57(7, 10) = 1;
  EXPECT_DOUBLE_EQ(eng::area_average(F, north57, eng::AreaRule::ModelMean).mean, 2.0);

  eng::Mask pole;  // one box at 87.5 N: weight 0.044
  pole(1, 10) = 1;
  EXPECT_DOUBLE_EQ(eng::area_average(F, pole, eng::AreaRule::Case).mean, 2.0);
  EXPECT_EQ(eng::area_average(F, pole, eng::AreaRule::Baseline).mean, eng::MISSING);

  EXPECT_EQ(eng::area_average(F, eng::Mask{}, eng::AreaRule::Case).mean, eng::MISSING);
}

TEST(AreaDescription, BoxAndMaskTexts) {
  ScratchWorkDir dir("engcommon");
  eng::EngineConfig c = box(30, 60, -10, 40);
  eng::MaskFile m;
  {
    rec::Unit out("OUT", rec::Status::Unknown);
    eng::write_area_description(out, c, eng::select_area(c, m), m);
    c.IMASK = 1;
    c.MASKID = "T";
    m.MASKNAME = "TWOBOX  ";
    eng::write_area_description(out, c, eng::select_area(c, m), m);
  }
  const std::vector<std::string> expected = {
      "",
      " GRID BOX CENTRAL POINTS (5deg by 5deg GRID)",
      " LATITUDE RANGE  =   32.5 TO  57.5 degreesN INCLUSIVE",
      " LONGITUDE RANGE =   -7.5 TO  37.5 degreesE INCLUSIVE",
      "",
      " LATITUDE GRID RANGE  7,12 : LONGITUDE GRID RANGE 35,44 INCLUSIVE",
      "",
      " AREA SPECIFIED BY MASK. MASKFILE = MASK.T : MASKNAME =TWOBOX  "};
  EXPECT_EQ(read_lines("OUT"), expected);
}

TEST(MaskMap, HeadingNameAndRows) {
  ScratchWorkDir dir("engcommon");
  const eng::EngineConfig c = box(0, 5, 0, 5);
  const eng::MaskFile m;  // no mask file: eight blanks
  {
    rec::Unit log("LOG", rec::Status::Unknown);
    eng::write_mask_map(log, m, eng::select_area(c, m));
  }
  const std::vector<std::string> lines = read_lines("LOG");
  ASSERT_EQ(lines.size(), 39u);
  EXPECT_EQ(lines[1], " *** MASK MAP ***");
  EXPECT_EQ(lines[2], "        ");
  EXPECT_EQ(lines[3], std::string(72, '0'));
  EXPECT_EQ(lines[3 + 17], std::string(36, '0') + "1" + std::string(35, '0'));
}

}  // namespace
