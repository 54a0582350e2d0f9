// The fields the result checks read from the writers' formats, and which
// values print in them.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "engines/common/grid.h"
#include "engines/common/printed_check.h"
#include "records/record_io.h"

namespace {

using eng::RealField;

TEST(PrintedCheck, RealFieldsAreCountedWithTheirRepeats) {
  constexpr const char* ROW = "(1X,F6.1,'   ',72F7.2,F8.1)";
  const RealField latitude = eng::real_field(ROW, 0);
  EXPECT_EQ(latitude.width, 6);
  EXPECT_EQ(latitude.decimals, 1);
  for (std::size_t n : {1u, 72u}) {
    SCOPED_TRACE(n);
    EXPECT_EQ(eng::real_field(ROW, n).width, 7);
    EXPECT_EQ(eng::real_field(ROW, n).decimals, 2);
  }
  EXPECT_EQ(eng::real_field(ROW, 73).width, 8);
  EXPECT_THROW(eng::real_field(ROW, 74), rec::Error);
  // Characters and integers are not real fields.
  const RealField rmse = eng::real_field("(1X,A6,2F9.3,F11.3,I8)", 2);
  EXPECT_EQ(rmse.width, 11);
  EXPECT_EQ(rmse.decimals, 3);
}

TEST(PrintedCheck, ValuesPrintWhenFiniteAndNarrowEnough) {
  const RealField F72{7, 2}, F73{7, 3}, F74{7, 4};
  EXPECT_TRUE(eng::prints(9999.99, F72));
  EXPECT_TRUE(eng::prints(-999.99, F72));
  EXPECT_FALSE(eng::prints(10000.0, F72));
  EXPECT_FALSE(eng::prints(-1000.0, F72));
  EXPECT_FALSE(eng::prints(9999.996, F72));  // rounds to 10000.00
  EXPECT_TRUE(eng::prints(999.999, F73));
  EXPECT_FALSE(eng::prints(std::numeric_limits<double>::quiet_NaN(), F72));
  EXPECT_FALSE(eng::prints(std::numeric_limits<double>::infinity(), F72));
  EXPECT_FALSE(eng::prints(-99.98, F74));
  // The missing marker passes even where its field shows it as asterisks.
  EXPECT_TRUE(eng::prints(eng::MISSING, F74));
}

TEST(PrintedCheck, MessagesNameTheValueAndTheBox) {
  EXPECT_EQ(eng::misfit_text(15000.0, {7, 2}), "would be printed as 15000, which does not fit its field F7.2");
  EXPECT_EQ(eng::misfit_text(std::nan(""), {7, 2}), "is not a number");
  EXPECT_EQ(eng::misfit_text(-std::numeric_limits<double>::infinity(), {8, 3}), "is infinite");
  EXPECT_EQ(eng::box_text(0), "row 1 (latitude 87.5), column 1 (longitude -177.5)");
  EXPECT_EQ(eng::box_text(2591), "row 36 (latitude -87.5), column 72 (longitude 177.5)");
  EXPECT_EQ(eng::box_text(72 + 2), "row 2 (latitude 82.5), column 3 (longitude -167.5)");
}

}  // namespace
