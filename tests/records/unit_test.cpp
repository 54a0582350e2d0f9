// Units: opening rules, line ends, skip, free-form writes and the state of
// the files after an error.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "records/record_io.h"
#include "support/scratch_dir.h"

namespace fs = std::filesystem;

namespace {

using testsupport::read_text;
using testsupport::write_text;

class UnitTest : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return (dir_.path() / name).string(); }
  testsupport::ScratchDir dir_{"records_unit"};
};

TEST_F(UnitTest, OldFileMustExistUnknownIsCreatedEmpty) {
  rec::Unit u;
  EXPECT_THROW(u.open(path("missing.IN"), rec::Status::Old), rec::Error);
  u.open(path("new.IN"), rec::Status::Unknown);
  EXPECT_TRUE(fs::exists(path("new.IN")));
  EXPECT_TRUE(u.at_eof());
  int n = 0;
  EXPECT_THROW(u.read("(I5)", {n}), rec::Error);
}

TEST_F(UnitTest, WritesEndWithCrLfAndReplaceTheOldContent) {
  write_text(path("ORV.OUT"), "old content that is longer than the new one\n");
  {
    rec::Unit u(path("ORV.OUT"), rec::Status::Unknown);
    u.write("(1X,I5,F6.2)", {1990, 0.5});
    u.write_free({"DIRECT AEROSOL FORCING IGNORED"});
    u.write("(1X,'  ')");
    EXPECT_EQ(u.records(), 3);
  }
  EXPECT_EQ(read_text(path("ORV.OUT")), "  1990  0.50\r\n DIRECT AEROSOL FORCING IGNORED\r\n   \r\n");
}

TEST_F(UnitTest, OutputStatusEmptiesTheFileAtOnce) {
  write_text(path("AREAAVES.OUT"), "old results\n");
  write_text(path("kept.OUT"), "old results\n");
  {
    rec::Unit a(path("AREAAVES.OUT"), rec::Status::Output);
    rec::Unit b(path("kept.OUT"), rec::Status::Unknown);
    EXPECT_EQ(read_text(path("AREAAVES.OUT")), "");
  }
  EXPECT_EQ(read_text(path("AREAAVES.OUT")), "");
  EXPECT_EQ(read_text(path("kept.OUT")), "old results\n");
}

TEST_F(UnitTest, ReadsLfAndCrLfRecordsAndSkipsHeaders) {
  write_text(path("GAS.EMK"), "header line\r\n  1990  1.5\n  2000  2.5\r\n");
  rec::Unit u(path("GAS.EMK"), rec::Status::Old);
  u.skip();
  int y = 0;
  float e = 0;
  ASSERT_TRUE(u.read_unless_eof("(I6,F6.0)", {y, e}));
  EXPECT_EQ(y, 1990);
  ASSERT_TRUE(u.read_unless_eof("(I6,F6.0)", {y, e}));
  EXPECT_FLOAT_EQ(e, 2.5f);
  EXPECT_FALSE(u.read_unless_eof("(I6,F6.0)", {y, e}));
  EXPECT_EQ(u.records(), 3);
}

TEST_F(UnitTest, OutputWrittenBeforeAnErrorIsKept) {
  write_text(path("BAD.CFG"), "    2100\n   abc\n");
  {
    rec::Unit out(path("ORV.OUT"), rec::Status::Unknown);
    rec::Unit cfg(path("BAD.CFG"), rec::Status::Old);
    int a = 0, b = 0;
    out.write("(1X,'HEAD')");
    cfg.read("(I8)", {a});
    out.write("(1X,I8)", {a});
    try {
      cfg.read("(I8)", {b});
      FAIL() << "no error";
    } catch (const rec::Error& e) {
      EXPECT_NE(std::string(e.what()).find(path("BAD.CFG") + ", record 2"), std::string::npos);
    }
  }
  EXPECT_EQ(read_text(path("ORV.OUT")), " HEAD\r\n     2100\r\n");
}

TEST_F(UnitTest, SeveralUnitsOpenAtOnce) {
  rec::Unit a(path("a.dis"), rec::Status::Unknown);
  rec::Unit b(path("b.dis"), rec::Status::Unknown);
  for (int i = 0; i < 3; ++i) {
    a.write("(I3)", {i});
    b.write("(I3)", {-i});
  }
  a.close();
  b.close();
  EXPECT_EQ(read_text(path("a.dis")), "  0\r\n  1\r\n  2\r\n");
  EXPECT_EQ(read_text(path("b.dis")), "  0\r\n -1\r\n -2\r\n");
}

}  // namespace
