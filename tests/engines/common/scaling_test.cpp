// The scaling function and the choice of the GHG warming.
#include "engines/common/scaling.h"

#include <gtest/gtest.h>

namespace {

TEST(Scaling, PrecipitationLinearAndExponential) {
  EXPECT_NEAR(eng::S(10.0, 2.0, 1, 2), 20.0, 1e-12);
  EXPECT_NEAR(eng::S(10.0, 2.0, 2, 2), 21.0, 1e-12);  // 100 * (1.1^2 - 1)
  EXPECT_NEAR(eng::scale_exponential(-5.0, 2.0), -9.75, 1e-12);
}

TEST(Scaling, TemperatureIsLinearUnderBothSettings) {
  EXPECT_DOUBLE_EQ(eng::S(1.7, 2.5, 2, 1), eng::S(1.7, 2.5, 1, 1));
  EXPECT_DOUBLE_EQ(eng::S(1.7, 2.5, 2, 1), 1.7 * 2.5);
}

TEST(Scaling, InvalidInputsGiveMissing) {
  EXPECT_EQ(eng::S(eng::MISSING, 2.0, 1, 1), eng::MISSING);
  EXPECT_EQ(eng::S(-99.5, 2.0, 2, 2), eng::MISSING);
  // A change of -100 % or less has no compound rate.
  EXPECT_EQ(eng::scale_exponential(-100.0, 1.5), eng::MISSING);
  EXPECT_EQ(eng::scale_exponential(-150.0, 2.0), eng::MISSING);
}

TEST(Scaling, GhgOnlyRunCarriesTheTotalWarming) {
  eng::EngineConfig c;
  eng::Weights w;
  w.GHGWT = 1.5;
  w.GLOBWT = 1.2;
  c.ISULF = 0;
  const double DTGHG = eng::choose_DTGHG(c, w);
  EXPECT_DOUBLE_EQ(DTGHG, 1.2);
  EXPECT_NEAR(eng::S(2.0, DTGHG, 1, 1), 2.4, 1e-12);     // G1, the change used
  EXPECT_NEAR(eng::S(2.0, w.GHGWT, 1, 1), 3.0, 1e-12);   // G2
  c.ISULF = 1;
  EXPECT_DOUBLE_EQ(eng::choose_DTGHG(c, w), 1.5);
}

}  // namespace
