// The comparison of run outputs with stored references: what it tolerates
// (one unit in the last printed digit of a real) and what it reports (text,
// integers, asterisk fields, widths, decimals, records and line ends), and
// the wording of its reports.
#include "support/reference_outputs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testsupport::compare_output;

std::vector<std::string> diff(const std::string& expected, const std::string& found) {
  return compare_output("T.OUT", expected, found);
}

TEST(ReferenceOutputs, RealsMayDifferByOneUnitInTheLastPrintedDigit) {
  EXPECT_TRUE(diff("  2000  0.4037  0.163\r\n", "  2000  0.4037  0.163\r\n").empty());
  EXPECT_TRUE(diff("  2000  0.4037  0.163\r\n", "  2000  0.4038  0.162\r\n").empty());
  EXPECT_TRUE(diff(" -0.001 9.999\r\n", "  0.00010.000\r\n").empty());  // sign and carry
  EXPECT_TRUE(diff("  -0.000\n", "   0.001\n").empty());
  EXPECT_TRUE(diff(" T= 1.50M\n", " T= 1.51M\n").empty());
  EXPECT_TRUE(diff(" 5.\n", " 6.\n").empty());

  EXPECT_EQ(diff("  2000  0.4037\n", "  2000  0.4039\n"),
            std::vector<std::string>{"T.OUT, record 1, column 7: expected \"  0.4037\", found \"  0.4039\"\n"
                                     "    expected record: \"  2000  0.4037\""});
  EXPECT_EQ(diff(" -0.001\n", "  0.001\n").size(), 1u);
}

TEST(ReferenceOutputs, IntegersTextAndAsterisksMustBeIdentical) {
  EXPECT_EQ(diff("  2000  0.4037\n", "  2001  0.4037\n"),
            std::vector<std::string>{"T.OUT, record 1, column 1: expected \"  2000\", found \"  2001\"\n"
                                     "    expected record: \"  2000  0.4037\""});
  EXPECT_EQ(diff(" NSIM =  3 : GC01D1\n", " NSIM =  3 : GC02D1\n").size(), 1u);
  EXPECT_EQ(diff(" LOW CLIMATE\n", " MID CLIMATE\n").size(), 1u);
  EXPECT_EQ(diff(" LOW CLIMATE\n", " LOW  CLIMATE\n"),
            std::vector<std::string>{"T.OUT, record 1, column 6: expected \"CLIMATE\", found \" CLIMATE\"\n"
                                     "    expected record: \" LOW CLIMATE\""});
  EXPECT_TRUE(diff(" 1.0*******\n", " 1.0*******\n").empty());
  EXPECT_EQ(diff(" 1.0*******\n", " 1.0999.999\n"),
            std::vector<std::string>{"T.OUT, record 1, column 5: expected \"*******\", found \"999.999\"\n"
                                     "    expected record: \" 1.0*******\""});
}

TEST(ReferenceOutputs, FieldsKeepTheirWidthAndDecimals) {
  EXPECT_EQ(diff("  1.230\n", "   1.23\n").size(), 1u);
  EXPECT_EQ(diff("  1.23\n", " 1.230\n").size(), 1u);
  EXPECT_EQ(diff("  1.23  4.00\n", "  1.23 4.00\n"),
            std::vector<std::string>{"T.OUT, record 1, column 7: expected \"  4.00\", found \" 4.00\"\n"
                                     "    expected record: \"  1.23  4.00\""});
  // A field that is missing shows the rest of both records.
  EXPECT_EQ(diff("  1.23  4.00 A\n", "  1.23 A\n"),
            std::vector<std::string>{"T.OUT, record 1, column 7: expected \"  4.00\", found \" A\"\n"
                                     "    expected record: \"  1.23  4.00 A\""});
  // Numbers that touch, where the first one's digits cannot be told from
  // the second's, are compared exactly.
  EXPECT_EQ(diff("  1.000999.999\n", "  1.001999.999\n").size(), 1u);
  EXPECT_EQ(diff("  1.000999.999\n", "  1.000100.000\n").size(), 1u);
  EXPECT_TRUE(diff("  1.000999.999\n", "  1.000999.998\n").empty());
  EXPECT_EQ(diff("  1.23  4.00\n", "  1.23\n")[0].substr(0, 78),
            "T.OUT, record 1, column 7: expected \"  4.00\", found the end of the record\n    ");
}

TEST(ReferenceOutputs, RecordsAndLineEndsMustAgree) {
  EXPECT_EQ(diff("a\r\nb\r\n", "a\r\n"),
            (std::vector<std::string>{"T.OUT: expected 2 records, found 1",
                                      "T.OUT, record 2: expected \"b\", found the end of the file"}));
  EXPECT_EQ(diff("a\r\n", "a\r\nb\r\n"),
            (std::vector<std::string>{"T.OUT: expected 1 records, found 2",
                                      "T.OUT, record 2: expected the end of the file, found \"b\""}));
  EXPECT_EQ(diff("a\r\nb\r\n", "a\r\nb\n"),
            std::vector<std::string>{"T.OUT, record 2: expected the line end CR LF, found LF"});
  EXPECT_EQ(diff("a\n", "a"), std::vector<std::string>{"T.OUT, record 1: expected the line end LF, found none"});
}

TEST(ReferenceOutputs, ControlBytesAreShownAndLongListsCut) {
  EXPECT_EQ(diff(" A\n", " A\x1e\n")[0].substr(0, 49), "T.OUT, record 1, column 3: expected the end of th");
  EXPECT_NE(diff(" A\n", " A\x1e\n")[0].find("found \"\\x1e\""), std::string::npos);

  std::string expected, found;
  for (int k = 0; k < 8; ++k) {
    expected += " " + std::to_string(1000 + k) + "\n";
    found += " " + std::to_string(2000 + k) + "\n";
  }
  const std::vector<std::string> d = diff(expected, found);
  ASSERT_EQ(d.size(), 6u);
  EXPECT_EQ(d[0].substr(0, 54), "T.OUT, record 1, column 1: expected \" 1000\", found \" 2");
  EXPECT_EQ(d[5], "T.OUT: 3 more differing records");
}

}  // namespace
