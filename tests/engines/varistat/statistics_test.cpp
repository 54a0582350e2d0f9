// The variability statistics on hand-set fields: AVESD, the two scaling
// forms, the signal-to-noise ratios and the two validity tests.
#include "engines/varistat/statistics.h"

#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "engines/varistat/avesd.h"

namespace {

using eng::Field;
using eng::MISSING;
using vs::VsState;

Field filled(double x) {
  Field f;
  f.fill(x);
  return f;
}

// A state of `cases` cases over as many models (definition mode 1), with
// every input field set to a constant.
std::unique_ptr<VsState> state(int IVAR, int ISCALE, int cases, double DTGHG) {
  auto s = std::make_unique<VsState>();
  s->cfg.IVAR = IVAR;
  s->cfg.ISCALE = ISCALE;
  s->cfg.IDEF = 1;
  s->cfg.NMODIN = s->cfg.NCASES = cases;
  s->DTGHG = DTGHG;
  for (int k = 1; k <= cases; ++k) {
    s->NDELSD[k] = filled(0.0);
    s->NDELMN[k] = filled(0.0);
    s->BSD[k] = filled(1.0);
    s->BMEAN[k] = filled(1.0);
  }
  return s;
}

void compute(VsState& s) {
  vs::average_sd_changes(s);
  vs::remaining_statistics(s);
}

TEST(Avesd, PopulationSdOverValidValues) {
  std::array<Field, 3> F = {filled(1.0), filled(2.0), filled(3.0)};
  F[2](5, 7) = MISSING;  // only 1 and 2 at this box
  Field AVE, SD;
  vs::AVESD(F, AVE, SD);
  EXPECT_DOUBLE_EQ(AVE(1, 1), 2.0);
  EXPECT_NEAR(SD(1, 1), std::sqrt(2.0 / 3.0), 1e-12);
  EXPECT_DOUBLE_EQ(AVE(5, 7), 1.5);
  EXPECT_DOUBLE_EQ(SD(5, 7), 0.5);
}

TEST(Avesd, NoValidValueGivesMissingAndZeroSd) {
  std::array<Field, 2> F = {filled(MISSING), filled(-99.5)};
  Field AVE, SD;
  vs::AVESD(F, AVE, SD);
  EXPECT_EQ(AVE(36, 72), MISSING);
  EXPECT_EQ(SD(36, 72), 0.0);
}

TEST(Avesd, OneFieldHasZeroSdEverywhere) {
  std::array<Field, 1> F = {filled(4.25)};
  Field AVE, SD;
  SD.fill(7.0);
  vs::AVESD(F, AVE, SD);
  EXPECT_EQ(AVE(18, 36), 4.25);
  EXPECT_EQ(SD(18, 36), 0.0);
}

// -99.5 is not valid (not above -99.0) but it is present: only the band
// around -99.99 is the missing marker.
TEST(Avesd, PresentRuleAdmitsLargeNegativeValues) {
  std::array<Field, 3> F = {filled(-99.5), filled(0.5), filled(MISSING)};
  Field AVE, SD;
  vs::AVESD(F, AVE, SD, vs::Admit::Valid);
  EXPECT_DOUBLE_EQ(AVE(1, 1), 0.5);
  vs::AVESD(F, AVE, SD, vs::Admit::Present);
  EXPECT_DOUBLE_EQ(AVE(1, 1), -49.5);
  EXPECT_DOUBLE_EQ(SD(1, 1), 50.0);
}

TEST(Presence, BandAroundTheMissingMarker) {
  EXPECT_FALSE(vs::present(MISSING));
  EXPECT_FALSE(vs::present(-99.99));
  EXPECT_FALSE(vs::present(-99.9905));
  EXPECT_TRUE(vs::present(-99.5));
  EXPECT_TRUE(vs::present(-99.992));
  EXPECT_TRUE(vs::present(-99.988));
  EXPECT_TRUE(vs::present(0.0));
}

TEST(Scaling, MinusFivePercentPerDegreeOverTwoDegrees) {
  EXPECT_DOUBLE_EQ(vs::scale(-5.0, 2.0, vs::Form::Linear), -10.0);
  EXPECT_NEAR(vs::scale(-5.0, 2.0, vs::Form::Exponential), -9.75, 1e-12);
}

TEST(Scaling, MissingMarkerStaysMissingButMinus99Point5IsScaled) {
  EXPECT_EQ(vs::scale(MISSING, 2.0, vs::Form::Linear), MISSING);
  EXPECT_DOUBLE_EQ(vs::scale(-99.5, 2.0, vs::Form::Linear), -199.0);
  EXPECT_EQ(vs::scale(1.0, 2.0, vs::Form::Unset), MISSING);
}

// A decline of 100 % or more per degree has no compounded form: the power of
// a base of zero or below is not taken.
TEST(Scaling, ExponentialOfMinus100PercentOrLessIsMissing) {
  EXPECT_EQ(vs::scale(-100.0, 1.5, vs::Form::Exponential), MISSING);
  EXPECT_EQ(vs::scale(-150.0, 2.0, vs::Form::Exponential), MISSING);
  EXPECT_EQ(vs::scale(-100.0, -1.0, vs::Form::Exponential), MISSING);
  EXPECT_NEAR(vs::scale(-99.0, 1.0, vs::Form::Exponential), -99.0, 1e-9);
}

TEST(Snr, PrecipitationExampleIsOneHalf) {
  EXPECT_NEAR(vs::snr(10.0, 0.6, 3.0, 2), 0.5, 1e-12);
  EXPECT_EQ(vs::snr(10.0, 0.6, MISSING, 2), MISSING);
  EXPECT_DOUBLE_EQ(vs::snr(1.5, 0.5, MISSING, 1), 3.0);  // temperature ignores M
  EXPECT_EQ(vs::snr(MISSING, 0.5, 1.0, 1), MISSING);
  EXPECT_EQ(vs::snr(1.0, MISSING, 1.0, 1), MISSING);
  EXPECT_EQ(vs::snr(1.0, 0.0, 1.0, 1), MISSING);  // a zero S.D. never divides
}

// Temperature under exponential scaling: the S.D. change (a percentage) is
// compounded, the mean change (degC) is not.
TEST(ResultFields, ExponentialTemperatureScalesOnlyTheSdChange) {
  auto s = state(1, 2, 1, 2.0);
  s->NDELSD[1] = filled(-5.0);
  s->NDELMN[1] = filled(-5.0);
  compute(*s);
  EXPECT_NEAR(s->DELSD(3, 3), -9.75, 1e-12);
  EXPECT_DOUBLE_EQ(s->DELMEAN(3, 3), -10.0);
}

TEST(ResultFields, PrecipitationExponentialScalesBoth) {
  auto s = state(2, 2, 1, 2.0);
  s->NDELSD[1] = filled(-5.0);
  s->NDELMN[1] = filled(10.0);
  s->BSD[1] = filled(0.6);
  s->BMEAN[1] = filled(3.0);
  compute(*s);
  EXPECT_NEAR(s->DELSD(1, 1), -9.75, 1e-12);
  EXPECT_NEAR(s->DELMEAN(1, 1), 21.0, 1e-12);
  EXPECT_NEAR(s->CASESNR[1](1, 1), 21.0 / 100.0 * 3.0 / 0.6, 1e-12);
}

// One case: inter-model S.D.s are 0, IMSNR is missing everywhere, and both
// SNR fields equal the case's SNR.
TEST(ResultFields, SingleCase) {
  auto s = state(1, 1, 1, 2.0);
  s->NDELMN[1] = filled(1.5);
  s->BSD[1] = filled(0.5);
  compute(*s);
  EXPECT_DOUBLE_EQ(s->DELMEAN(10, 10), 3.0);
  EXPECT_DOUBLE_EQ(s->BARSNR(10, 10), 6.0);
  EXPECT_DOUBLE_EQ(s->SNRBAR(10, 10), 6.0);
  EXPECT_EQ(s->IMSNR(10, 10), MISSING);
}

TEST(ResultFields, AllEqualCasesMakeImsnrMissing) {
  auto s = state(1, 1, 3, 1.0);
  for (int k = 1; k <= 3; ++k) s->NDELMN[k] = filled(0.37);
  compute(*s);
  EXPECT_EQ(s->IMSNR(20, 20), MISSING);
  EXPECT_NEAR(s->DELMEAN(20, 20), 0.37, 1e-12);
}

// IMSNR is the ratio of the normalised changes: the warming does not enter.
TEST(ResultFields, ImsnrIgnoresTheWarming) {
  auto s = state(1, 1, 3, 1.0);
  const double v[] = {1.0, 2.0, 3.0};
  for (int k = 1; k <= 3; ++k) s->NDELMN[k] = filled(v[k - 1]);
  compute(*s);
  const double at1 = s->IMSNR(2, 2);
  EXPECT_NEAR(at1, 2.0 / std::sqrt(2.0 / 3.0), 1e-9);
  s->DTGHG = 3.5;
  compute(*s);
  EXPECT_EQ(s->IMSNR(2, 2), at1);
}

// A large negative SNR (a decline over a tiny baseline S.D.) is a result:
// BARSNR averages every present per-case SNR, not only those above -99.
TEST(ResultFields, BarsnrKeepsLargeNegativeSnrs) {
  auto s = state(1, 1, 2, 2.0);
  s->NDELMN[1] = filled(-1.0);
  s->BSD[1] = filled(0.005);  // a stored zero S.D.
  s->NDELMN[2] = filled(1.0);
  s->BSD[2] = filled(1.0);
  compute(*s);
  EXPECT_DOUBLE_EQ(s->CASESNR[1](4, 4), -400.0);
  EXPECT_DOUBLE_EQ(s->CASESNR[2](4, 4), 2.0);
  EXPECT_DOUBLE_EQ(s->BARSNR(4, 4), -199.0);
}

TEST(ResultFields, BaselineAverageSkipsInvalidButSnrUsesPresent) {
  auto s = state(1, 1, 2, 1.0);
  s->BSD[1] = filled(0.5);
  s->BSD[2] = filled(1.5);
  s->BSD[2](1, 1) = -99.5;  // not valid: left out of BASESD
  s->NDELMN[1] = filled(1.0);
  s->NDELMN[2] = filled(1.0);
  compute(*s);
  EXPECT_DOUBLE_EQ(s->BASESD(1, 1), 0.5);
  EXPECT_DOUBLE_EQ(s->BASESD(2, 2), 1.0);
  EXPECT_DOUBLE_EQ(s->CASESNR[2](1, 1), 1.0 / -99.5);  // present: used
}

// Definition mode 3: cases k and NMODIN + k belong to model k and share its
// baselines.
TEST(ResultFields, DefinitionTwoCasesUseTheirModelsBaselines) {
  auto s = state(1, 1, 2, 1.0);
  s->cfg.IDEF = 3;
  s->cfg.NCASES = 4;
  s->BSD[1] = filled(0.5);
  s->BSD[2] = filled(2.0);
  for (int k = 1; k <= 4; ++k) {
    s->NDELSD[k] = filled(0.0);
    s->NDELMN[k] = filled(1.0);
  }
  compute(*s);
  EXPECT_DOUBLE_EQ(s->CASESNR[3](1, 1), 2.0);
  EXPECT_DOUBLE_EQ(s->CASESNR[4](1, 1), 0.5);
  EXPECT_DOUBLE_EQ(s->BARSNR(1, 1), 1.25);
}

TEST(ResultFields, MissingMeanChangeGivesMissingSnrs) {
  auto s = state(2, 1, 1, 1.0);
  s->NDELMN[1](7, 8) = MISSING;
  compute(*s);
  EXPECT_EQ(s->DELMEAN(7, 8), MISSING);
  EXPECT_EQ(s->CASESNR[1](7, 8), MISSING);
  EXPECT_EQ(s->BARSNR(7, 8), MISSING);
  EXPECT_EQ(s->SNRBAR(7, 8), MISSING);
}

}  // namespace
