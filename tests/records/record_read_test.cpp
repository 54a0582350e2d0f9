// Reading records: field rules, reversion and error reports.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "records/record_io.h"
#include "support/scratch_dir.h"

namespace {

std::size_t parse(std::vector<std::string_view> recs, std::string_view fmt, std::vector<rec::In> items) {
  return rec::parse_records(recs, fmt, items, "TEST.CFG", 1);
}

TEST(RecordRead, RealFieldRules) {
  float a = -1, b = -1, c = -1, d = -1, e = -1;
  parse({"   2.5    "}, "(F10.0)", {a});
  parse({"        25"}, "(F10.0)", {b});
  parse({"          "}, "(F10.0)", {c});
  parse({"  125     "}, "(F10.2)", {d});
  parse({" -1.5D+02 "}, "(F10.0)", {e});
  EXPECT_FLOAT_EQ(a, 2.5f);
  EXPECT_FLOAT_EQ(b, 25.0f);
  EXPECT_FLOAT_EQ(c, 0.0f);
  EXPECT_FLOAT_EQ(d, 1.25f);
  EXPECT_FLOAT_EQ(e, -150.0f);
  double x = 0;
  parse({" 1 2.5 E1"}, "(F10.0)", {x});  // blanks inside the field are ignored
  EXPECT_DOUBLE_EQ(x, 125.0);
}

TEST(RecordRead, CommentsAfterTheValueAreIgnored) {
  int n = 0;
  parse({"       365 days per year"}, "(I10)", {n});
  EXPECT_EQ(n, 365);
  int m = 0;
  parse({"        -42 LEVCO2: carbon cycle case"}, "(1X,I10)", {m});
  EXPECT_EQ(m, -42);
}

TEST(RecordRead, ShortRecordsReadAsBlanks) {
  int y = -1;
  float v[3] = {9, 9, 9};
  std::string s = "xxxx";
  parse({" 1990  1.5"}, "(I5,3F5.1,A4)", {y, v, s});
  EXPECT_EQ(y, 1990);
  EXPECT_FLOAT_EQ(v[0], 1.5f);
  EXPECT_FLOAT_EQ(v[1], 0.0f);
  EXPECT_FLOAT_EQ(v[2], 0.0f);
  EXPECT_EQ(s, "    ");
}

TEST(RecordRead, SixteenPerRecordConsumesFiveRecords) {
  std::vector<std::string> text;
  for (int r = 0; r < 5; ++r) {
    std::string line;
    for (int k = 0; k < 16; ++k) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "%6d", r * 16 + k);
      line += buf;
    }
    text.push_back(line);
  }
  text.push_back("next");
  std::vector<std::string_view> recs(text.begin(), text.end());
  int v[72] = {};
  EXPECT_EQ(rec::parse_records(recs, "(16I6)", std::vector<rec::In>{v}), 5u);
  EXPECT_EQ(v[15], 15);
  EXPECT_EQ(v[16], 16);
  EXPECT_EQ(v[71], 71);
}

TEST(RecordRead, SlashSkipsToTheNextRecord) {
  int a = 0, b = 0;
  EXPECT_EQ(parse({"1 ignored", "2"}, "(I1,/,I1)", {a, b}), 2u);
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
}

TEST(RecordRead, CharacterFields) {
  std::string name(8, ' ');
  std::string code;
  parse({"  HADCM2 GC01"}, "(A8,1X,A4)", {name, code});
  EXPECT_EQ(name, "  HADCM2");
  EXPECT_EQ(code, "GC01");
  std::string shortv(3, ' ');
  parse({"ABCDEF"}, "(A6)", {shortv});  // a wider field keeps its rightmost characters
  EXPECT_EQ(shortv, "DEF");
}

TEST(RecordRead, BadFieldNamesFileRecordColumnsAndText) {
  float a = 0;
  try {
    parse({"ok", " 12x4"}, "(/,F5.0)", {a});
    FAIL() << "no error";
  } catch (const rec::Error& e) {
    EXPECT_STREQ(e.what(), "TEST.CFG, record 2: columns 1-5 (F5.0): expected a number, found \" 12x4\"");
  }
  int n = 0;
  try {
    parse({"     1.5"}, "(3X,I5)", {n});
    FAIL() << "no error";
  } catch (const rec::Error& e) {
    EXPECT_STREQ(e.what(), "TEST.CFG, record 1: columns 4-8 (I5): expected an integer, found \"  1.5\"");
  }
}

TEST(RecordRead, EndOfFileNamesTheMissingRecord) {
  int a = 0, b = 0;
  try {
    parse({"1"}, "(I1,/,I1)", {a, b});
    FAIL() << "no error";
  } catch (const rec::Error& e) {
    EXPECT_NE(std::string(e.what()).find("TEST.CFG, record 2: end of file"), std::string::npos)
        << e.what();
  }
}

TEST(RecordRead, ControlBytesInAFieldAreShownEscaped) {
  float a = 0;
  try {
    parse({" 12\x1e" "4"}, "(F5.0)", {a});
    FAIL() << "no error";
  } catch (const rec::Error& e) {
    EXPECT_STREQ(e.what(), "TEST.CFG, record 1: columns 1-5 (F5.0): expected a number, found \" 12\\x1e4\"");
  }
  try {
    rec::Unit u("NO\x1bSUCH.FILE", rec::Status::Old);
    FAIL() << "no error";
  } catch (const rec::Error& e) {
    EXPECT_EQ(std::string(e.what()).rfind("NO\\x1bSUCH.FILE: cannot open", 0), 0u) << e.what();
  }
}

// A file with line ends of CR alone reads as one record: every message
// about it names those line ends.
TEST(RecordRead, LineEndsOfCarriageReturnAloneAreNamed) {
  const std::string note =
      "; the file's lines end with CR alone (classic Mac OS line ends), expected LF or CR LF";
  testsupport::ScratchWorkDir dir("record_read_cr");
  testsupport::write_text("co2input.dat", "  2100\r  1990   354.200\r  1991   355.812\r");
  int last = 0, year = 0;
  float co2 = 0;
  rec::Unit u("co2input.dat", rec::Status::Old);
  try {
    u.read("(I10)", {last});
    FAIL() << "no error";
  } catch (const rec::Error& e) {
    EXPECT_EQ(std::string(e.what()),
              "co2input.dat, record 1: columns 1-10 (I10): expected an integer, found \"  2100\\r  1\"" + note);
  }
  u.open("co2input.dat", rec::Status::Old);
  u.read("(I6)", {last});
  EXPECT_EQ(last, 2100);
  try {
    u.read("(1X,I5,F10.0)", {year, co2});
    FAIL() << "no error";
  } catch (const rec::Error& e) {
    EXPECT_EQ(std::string(e.what()),
              "co2input.dat, record 2: end of file reached; a record was expected under format (1X,I5,F10.0)" + note);
  }
  try {
    u.skip();
    FAIL() << "no error";
  } catch (const rec::Error& e) {
    EXPECT_EQ(std::string(e.what()), "co2input.dat, record 2: end of file reached; a record was expected" + note);
  }

  // CR LF line ends read as usual, and a field that holds a CR for another
  // reason is shown with it.
  testsupport::write_text("co2input.dat", "  2100\r\n  1990   354.200\r\n");
  u.open("co2input.dat", rec::Status::Old);
  u.read("(I6)", {last});
  u.read("(1X,I5,F10.0)", {year, co2});
  EXPECT_EQ(year, 1990);
  EXPECT_FLOAT_EQ(co2, 354.2f);
  try {
    parse({"  21\r0"}, "(I6)", {last});
    FAIL() << "no error";
  } catch (const rec::Error& e) {
    EXPECT_EQ(std::string(e.what()), "TEST.CFG, record 1: columns 1-6 (I6): expected an integer, found \"  21\\r0\"" + note);
  }
}

}  // namespace
