// The readers of the climate model's display and drive files read each
// column on its own: a field that holds no number (NaN, an infinity, or the
// asterisks of a value too wide for it) is missing in its own column, and
// every other number of the row is read as printed. Text that is no number
// at all is still refused with the file, the record and the columns.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "records/record_io.h"
#include "results/global_results.h"
#include "support/scratch_dir.h"

namespace {

using P = orv::ParameterSet;
using testsupport::ScratchDir;
using testsupport::write_text;

const char* const kTempsHeader = " YEAR  TEMUSER    TEMLO   TEMMID    TEMHI TEMNOSO2\n";

const res::Series& column(const std::vector<res::Series>& series, const std::string& source) {
  for (const res::Series& s : series)
    if (s.source == source) return s;
  throw std::runtime_error("no column " + source);
}

TEST(GlobalResults, EachColumnOfADisplayFileIsReadOnItsOwn) {
  const ScratchDir dir("res_by_column");
  // 1990: TEMUSER NaN; 1991: TEMHI too wide; 1992: TEMLO -Inf.
  write_text(dir.path() / "temps.dis", std::string(kTempsHeader) +
                                           " 1989    0.100    0.200    0.300    0.400    0.500\n"
                                           " 1990      NaN    0.210    0.310    0.410    0.510\n"
                                           " 1991    0.120    0.220    0.320*********    0.520\n"
                                           " 1992    0.130     -Inf    0.330    0.430    0.530\n" +
                                           kTempsHeader);
  const std::vector<res::Series> temps = res::read_display_file(dir.path().string(), res::DisplayFile::Temps);
  ASSERT_EQ(temps.size(), 5u);
  const res::Series& user = column(temps, "temps.dis TEMUSER");
  const res::Series& low = column(temps, "temps.dis TEMLO");
  const res::Series& mid = column(temps, "temps.dis TEMMID");
  const res::Series& high = column(temps, "temps.dis TEMHI");
  EXPECT_EQ(user.set, P::User);
  EXPECT_EQ(user.years, (std::vector<int>{1989, 1990, 1991, 1992}));
  EXPECT_FALSE(user.at(1990));
  EXPECT_DOUBLE_EQ(*user.at(1991), 0.12);
  EXPECT_DOUBLE_EQ(*low.at(1990), 0.21);
  EXPECT_FALSE(low.at(1992));
  EXPECT_DOUBLE_EQ(*mid.at(1990), 0.31);
  EXPECT_DOUBLE_EQ(*mid.at(1991), 0.32);
  EXPECT_DOUBLE_EQ(*mid.at(1992), 0.33);
  EXPECT_DOUBLE_EQ(*high.at(1990), 0.41);
  EXPECT_FALSE(high.at(1991));
  EXPECT_DOUBLE_EQ(*high.at(1992), 0.43);
  EXPECT_DOUBLE_EQ(*column(temps, "temps.dis TEMNOSO2").at(1992), 0.53);

  // Letters where a number belongs are a broken file, not a missing value.
  write_text(dir.path() / "temps.dis",
             std::string(kTempsHeader) + " 1990    0.100      abc    0.300    0.400    0.500\n" + kTempsHeader);
  try {
    res::read_display_file(dir.path().string(), res::DisplayFile::Temps);
    ADD_FAILURE() << "letters were read as a number";
  } catch (const rec::Error& e) {
    EXPECT_EQ(
        std::string(e.what()).rfind((dir.path() / "temps.dis").string() + ", record 2: columns 15-23 (F9.3): ", 0), 0u)
        << e.what();
  }
}

TEST(GlobalResults, EachColumnOfADriveFileIsReadOnItsOwn) {
  const ScratchDir dir("res_drive_by_column");
  write_text(dir.path() / "middrive.raw",
             " PROFILE: RCP4.5              \n\n MID CLIMATE MODEL PARAMETERS\n\n"
             "  YEAR       GHG     ESO21     ESO22     ESO23       SUM\n"
             " REF T                                            0.3964\n"
             "  1961   -0.2515       NaN    0.0000    0.0000   -0.2515\n"
             "  1962   -0.2560    0.0010       Inf    0.0000**********\n");
  const std::vector<res::Series> drive = res::read_drive_file(dir.path().string(), P::Mid, false);
  ASSERT_EQ(drive.size(), 5u);
  EXPECT_DOUBLE_EQ(*drive[0].at(1961), -0.2515);
  EXPECT_FALSE(drive[1].at(1961));
  EXPECT_DOUBLE_EQ(*drive[1].at(1962), 0.001);
  EXPECT_FALSE(drive[2].at(1962));
  EXPECT_DOUBLE_EQ(*drive[3].at(1962), 0.0);
  EXPECT_DOUBLE_EQ(*drive[4].at(1961), -0.2515);
  EXPECT_FALSE(drive[4].at(1962));
  EXPECT_TRUE(std::isnan(drive[4].values[1]));
}

}  // namespace
