// Writing records: field rules and the layouts the programs rely on.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "records/field_text.h"
#include "records/format_spec.h"
#include "records/record_io.h"

namespace {

using rec::format_records;
using Lines = std::vector<std::string>;

TEST(RecordWrite, RealFieldsRoundHalvesAwayFromZero) {
  EXPECT_EQ(format_records("(F5.2)", {0.125}), Lines{" 0.13"});
  EXPECT_EQ(format_records("(F3.0)", {-2.5}), Lines{"-3."});
  EXPECT_EQ(format_records("(F5.2)", {-0.125}), Lines{"-0.13"});
  EXPECT_EQ(format_records("(F6.1)", {0.25f}), Lines{"   0.3"});
  // 2.675 is not exactly representable: its exact value lies below the half.
  EXPECT_EQ(format_records("(F6.2)", {2.675}), Lines{"  2.67"});
  EXPECT_EQ(format_records("(F7.2)", {1234.5}), Lines{"1234.50"});
  EXPECT_EQ(format_records("(F10.0)", {3.0}), Lines{"        3."});
}

// Reference rounding on the exact decimal expansion: for |v| between 1e-3
// and 1e6 a double has at most 62 fraction bits, so 70 decimals are exact.
std::string reference_fixed(double v, int d) {
  char buf[128];
  auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::fixed, 70);
  std::string exact(buf, res.ptr);
  std::size_t point = exact.find('.');
  std::string digits = exact.substr(0, point) + exact.substr(point + 1, d);
  bool up = exact[point + 1 + d] >= '5';
  for (std::size_t k = digits.size(); up && k-- > 0;) {
    if (digits[k] == '9') {
      digits[k] = '0';
    } else {
      ++digits[k];
      up = false;
    }
  }
  if (up) digits.insert(digits.begin(), '1');
  std::string text = digits.substr(0, digits.size() - d) + "." + digits.substr(digits.size() - d);
  bool nonzero = text.find_first_of("123456789") != std::string::npos;
  return (v < 0 && nonzero ? "-" : "") + text;
}

TEST(RecordWrite, RoundingAgreesWithTheExactExpansion) {
  std::mt19937_64 gen(12345);
  std::uniform_real_distribution<double> mag(-3.0, 6.0);
  for (int n = 0; n < 200000; ++n) {
    int d = static_cast<int>(gen() % 5);
    double v = std::pow(10.0, mag(gen)) * ((gen() & 1) ? -1 : 1);
    if (n % 4 == 0) v = static_cast<float>(v);  // the climate model writes floats
    if (n % 4 == 1) v = std::round(v * std::pow(10.0, d + 1)) / std::pow(10.0, d + 1);  // near ties
    std::string want = reference_fixed(v, d);
    if (d == 0) want.pop_back(), want += ".";
    std::string got = rec::format_records(std::string("(F40.") + std::to_string(d) + ")", {v}).front();
    got.erase(0, got.find_first_not_of(' '));
    ASSERT_EQ(got, want) << "value " << v << " decimals " << d;
  }
}

TEST(RecordWrite, ZeroBeforePointAndUnsignedZero) {
  EXPECT_EQ(format_records("(F6.3)", {0.5}), Lines{" 0.500"});
  EXPECT_EQ(format_records("(F4.3)", {0.5}), Lines{".500"});
  EXPECT_EQ(format_records("(F5.3)", {-0.5}), Lines{"-.500"});
  EXPECT_EQ(format_records("(F6.2)", {-0.001}), Lines{"  0.00"});
  EXPECT_EQ(format_records("(F6.2)", {-0.0}), Lines{"  0.00"});
}

TEST(RecordWrite, ValuesThatDoNotFitBecomeAsterisks) {
  EXPECT_EQ(format_records("(F7.3)", {1000.0}), Lines{"*******"});
  EXPECT_EQ(format_records("(F7.3)", {999.9999}), Lines{"*******"});
  EXPECT_EQ(format_records("(F7.3)", {999.999}), Lines{"999.999"});
  EXPECT_EQ(format_records("(I2)", {123}), Lines{"**"});
  EXPECT_EQ(format_records("(I3)", {-12}), Lines{"-12"});
  EXPECT_EQ(format_records("(I2)", {-12}), Lines{"**"});
}

// The checks of results ask whether a value will fit before writing it:
// the answer must be the writer's, including at the rounding edge.
TEST(RecordWrite, FitsRealAgreesWithTheWriter) {
  EXPECT_TRUE(rec::fits_real(999999.9, 8, 1));
  EXPECT_FALSE(rec::fits_real(1000000.0, 8, 1));
  EXPECT_TRUE(rec::fits_real(-99999.9, 8, 1));
  EXPECT_FALSE(rec::fits_real(-100000.0, 8, 1));
  EXPECT_TRUE(rec::fits_real(999.94, 5, 1));   // "999.9"
  EXPECT_FALSE(rec::fits_real(999.96, 5, 1));  // rounds to 1000.0
  EXPECT_TRUE(rec::fits_real(-0.5, 6, 4));     // "-.5000": no room for the zero
  EXPECT_FALSE(rec::fits_real(std::nan(""), 10, 2));
  EXPECT_FALSE(rec::fits_real(-INFINITY, 10, 2));
  for (const double v : {999.9994, 999.9995, 999.99951, -99.9995, -99.99949, 0.0, -0.0004})
    EXPECT_EQ(rec::fits_real(v, 7, 3), format_records("(F7.3)", {v})[0].find('*') == std::string::npos) << v;
}

TEST(RecordWrite, RealFieldsOfAFormatInOrder) {
  const std::vector<rec::RealField> f = rec::real_fields("(1X,I4,2F8.1,3X,F10.2,I6,F7.4)");
  ASSERT_EQ(f.size(), 4u);
  EXPECT_EQ(f[0].width, 8);
  EXPECT_EQ(f[1].decimals, 1);
  EXPECT_EQ(f[2].width, 10);
  EXPECT_EQ(f[2].decimals, 2);
  EXPECT_EQ(f[3].width, 7);
  EXPECT_EQ(f[3].decimals, 4);
}

TEST(RecordWrite, CharacterFieldsAreCutOrRightJustified) {
  EXPECT_EQ(format_records("(A3,'|',A6,'|',A)", {"abcdef", "xy", "whole"}),
            Lines{"abc|    xy|whole"});
}

TEST(RecordWrite, SeventeenPerLineForSeventyTwoValues) {
  double v[72];
  for (int i = 0; i < 72; ++i) v[i] = i;
  Lines out = format_records("(17F8.3)", {v});
  ASSERT_EQ(out.size(), 5u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(out[i].size(), 17u * 8);
  EXPECT_EQ(out[4], "  68.000  69.000  70.000  71.000");
}

TEST(RecordWrite, RevertsToTheLastTopLevelGroup) {
  std::vector<std::string> names;
  for (int i = 1; i <= 14; ++i) names.push_back("GC" + std::to_string(i));
  Lines out = format_records("(/,1X,' MODELS  :',(6(1X,A8,' :')))", {names});
  ASSERT_EQ(out.size(), 4u);
  EXPECT_EQ(out[0], "");
  EXPECT_EQ(out[1].substr(0, 11), "  MODELS  :");
  EXPECT_EQ(out[1].size(), 11u + 6 * 11);
  EXPECT_EQ(out[2], "      GC7 :      GC8 :      GC9 :     GC10 :     GC11 :     GC12 :");
  EXPECT_EQ(out[3], "     GC13 :     GC14 :");
}

TEST(RecordWrite, LiteralTextWithoutItems) {
  EXPECT_EQ(format_records("(1X,'  ')", {}), Lines{"   "});
  EXPECT_EQ(format_records("(/,1X,'*** MASK MAP ***')", {}), (Lines{"", " *** MASK MAP ***"}));
  EXPECT_EQ(format_records("(1X,'It''s')", {}), Lines{" It's"});
}

TEST(RecordWrite, TextAfterTheLastItemIsWrittenUpToTheNextField) {
  int row[3] = {1, 2, 3};
  EXPECT_EQ(format_records("(1X,'r',3I2,' :',I3)", {row}), Lines{" r 1 2 3 :"});
}

TEST(RecordWrite, NestedGroupsWithRepeatCounts) {
  int v[6] = {1, 2, 3, 4, 5, 6};
  EXPECT_EQ(format_records("(2(I1,2(1X,I1)),'.')", {v}), Lines{"1 2 34 5 6."});
}

TEST(RecordWrite, SlicesAndMixedItems) {
  float t[10];
  for (int i = 0; i < 10; ++i) t[i] = static_cast<float>(i) / 10;
  EXPECT_EQ(format_records("(I5,3F5.1)", {1990, rec::slice(t, 2, 4)}), Lines{" 1990  0.2  0.3  0.4"});
}

TEST(RecordWrite, ItemOfTheWrongTypeIsAnError) {
  EXPECT_THROW(format_records("(I5)", {1.5}), rec::Error);
  EXPECT_THROW(format_records("(1X,'no fields')", {1}), rec::Error);
}

}  // namespace
