// The report and display writers' own rules on hand-made model states:
// stepped loops and the temperature table's year rule, guarded ratios,
// the forcing and concentration rows, the result stores and the date.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "orvtar/control/drive_files.h"
#include "orvtar/control/report_carbon_cycle.h"
#include "orvtar/control/report_common.h"
#include "orvtar/control/report_concentrations.h"
#include "orvtar/control/report_date.h"
#include "orvtar/control/report_forcing.h"
#include "orvtar/control/report_temperature_table.h"
#include "orvtar/control/result_stores.h"
#include "orvtar/physics/state.h"
#include "records/record_io.h"

namespace {

using orv::OrvState;

std::vector<int> visited(int first, int last, int step) {
  std::vector<int> v;
  orv::stepped_loop(first, last, step, [&](int i) { v.push_back(i); });
  return v;
}

TEST(OrvtarWriters, SteppedLoopMakesTheWholePassesOnly) {
  // 2100 is index 336: (336 - 226 + 7) / 7 = 16 passes, the last at 2095.
  const auto emk = visited(226, 336, 7);
  ASSERT_EQ(emk.size(), 16u);
  EXPECT_EQ(emk.back(), 331);
  EXPECT_EQ(visited(226, 336, 10).back(), 336);
  EXPECT_TRUE(visited(226, 336, -5).empty());
  EXPECT_TRUE(visited(237, 236, 1).empty());
  EXPECT_EQ(visited(1990, 2100, 2147483647), std::vector<int>{1990});
}

TEST(OrvtarWriters, TemperatureTableYearRule) {
  EXPECT_EQ(orv::table_base(5), 1765);
  EXPECT_EQ(orv::table_base(10), 1770);
  EXPECT_EQ(orv::table_base(100), 1790);
  EXPECT_EQ(orv::table_base(1), 1765);
  EXPECT_EQ(orv::table_base(300), 1990);

  auto printed = [](int first, int step) {
    std::vector<int> years;
    const int base = orv::table_base(step);
    for (int y = 1765; y <= 2100; ++y)
      if (orv::table_year_printed(y, first, step, base)) years.push_back(y);
    return years;
  };
  EXPECT_EQ(printed(1765, 100), (std::vector<int>{1765, 1790, 1791, 1890, 1891, 1990, 1991, 2090, 2091}));
  EXPECT_EQ(printed(1993, 50), (std::vector<int>{1993, 2040, 2090}));
  EXPECT_EQ(printed(2000, 5).front(), 2000);
  // With a very long step the fraction rule admits the twenty years after
  // the base: (Y - 1990 + 0.01) / 1000 stays below 0.02 up to 2009.
  auto long_step = printed(1800, 1000);
  ASSERT_EQ(long_step.size(), 21u);
  EXPECT_EQ(long_step[1], 1990);
  EXPECT_EQ(long_step.back(), 2009);
}

TEST(OrvtarWriters, GuardedRatios) {
  EXPECT_FLOAT_EQ(orv::airborne_fraction(3.0f, 6.0f), 0.5f);
  EXPECT_FLOAT_EQ(orv::airborne_fraction(30.0f, 1.0f), 9.999f);
  EXPECT_FLOAT_EQ(orv::airborne_fraction(-30.0f, 1.0f), -9.999f);
  EXPECT_FLOAT_EQ(orv::airborne_fraction(-1.0f, 0.0f), -9.999f);
  EXPECT_FLOAT_EQ(orv::airborne_fraction(0.0f, 0.0f), 9.999f);

  // total, GHG, three regions: aerosol effect (total - GHG) over the
  // regional sum, within 0 .. 2, and 1 without regional effect.
  EXPECT_FLOAT_EQ(orv::aerosol_ratio(0.5f, 0.8f, -0.1f, -0.1f, -0.1f), 1.0f);
  EXPECT_FLOAT_EQ(orv::aerosol_ratio(0.5f, 0.8f, -0.05f, -0.05f, 0.0f), 2.0f);
  EXPECT_FLOAT_EQ(orv::aerosol_ratio(0.9f, 0.8f, -0.1f, 0.0f, 0.0f), 0.0f);
  EXPECT_FLOAT_EQ(orv::aerosol_ratio(0.5f, 0.8f, 0.0f, 0.0f, 0.0f), 1.0f);
}

std::unique_ptr<OrvState> state_to_2100() {
  auto s = std::make_unique<OrvState>();
  s->IYEND = 2100;
  s->NYEND = 336;
  s->IREFIX = 226;
  return s;
}

TEST(OrvtarWriters, ForcingRowMovesOzoneFromMethaneAndZeroesEarlySulphate) {
  auto s = state_to_2100();
  auto& q = *s;
  q.IO3FEED = 1;
  for (int i = 0; i <= 336; ++i) {
    q.QCO2[i] = 1.0f + i;  // mid-year value of year i is i + 0.5
    q.QCH4[i] = 0.5f;
    q.QCH4O3[i] = 0.125f;
    q.QTROPOZ[i] = i == 226 ? 2.0f : 1.0f;
    q.QAERKEEP[i] = -0.75f;
    q.QAERDIRKEEP[i] = -0.25f;
    q.QFOC[i] = 0.0625f;
    q.QSTRATO3[i] = -0.5f;
    q.QKYOTO[i] = 0.25f;
    q.QHALOOTH[i] = 0.125f;
  }
  const auto r2000 = orv::forcing_row(q, 236, orv::kept_aerosol(q));
  EXPECT_FLOAT_EQ(r2000.CO2, 236.5f);
  EXPECT_FLOAT_EQ(r2000.CH4tot, 0.375f);
  EXPECT_FLOAT_EQ(r2000.TROPOZ, 1.125f);
  EXPECT_FLOAT_EQ(r2000.SO4DIR, -0.3125f);
  EXPECT_FLOAT_EQ(r2000.SO4IND, -0.5f);
  EXPECT_FLOAT_EQ(r2000.TOTAL, 236.5f + 0.5f + 1.0f - 0.75f);
  EXPECT_FLOAT_EQ(r2000.STRATO3, -0.5f);
  EXPECT_FLOAT_EQ(r2000.QKYOTO, 0.375f);
  // 1990 takes its own tropospheric ozone, not the mean with 1989.
  EXPECT_FLOAT_EQ(orv::forcing_row(q, 226, orv::kept_aerosol(q)).TROPOZ, 2.125f);
  EXPECT_FLOAT_EQ(orv::forcing_row(q, 227, orv::kept_aerosol(q)).TROPOZ, 1.625f);
  EXPECT_FLOAT_EQ(orv::forcing_change_from_1990(q, 226, orv::kept_aerosol(q)).TOTAL, 0.0f);
  EXPECT_FLOAT_EQ(orv::forcing_change_from_1990(q, 236, orv::kept_aerosol(q)).CO2, 10.0f);
  // Up to 1860 (index 96) the kept sulphate aerosol counts as zero.
  EXPECT_FLOAT_EQ(orv::forcing_row(q, 96, orv::kept_aerosol(q)).SO4IND, 0.0f);
  EXPECT_FLOAT_EQ(orv::forcing_row(q, 96, orv::kept_aerosol(q)).SO4DIR, -0.0625f);
  EXPECT_FLOAT_EQ(orv::forcing_row(q, 97, orv::kept_aerosol(q)).SO4IND, -0.5f);
  q.IO3FEED = 0;
  EXPECT_FLOAT_EQ(orv::forcing_row(q, 236, orv::kept_aerosol(q)).STRATO3, 0.0f);
}

TEST(OrvtarWriters, ConcentrationRangesAreTheUserValuesUpTo2000) {
  auto s = state_to_2100();
  auto& q = *s;
  q.IQKYOTO = 1;
  q.TAUCH4SEL = 9.6f;
  q.DCO2CASE[1] = 1.0f;
  q.DCO2CASE[2] = 2.0f;
  q.DCO2CASE[3] = 3.0f;
  for (int i = 0; i <= 336; ++i) {
    q.CO2[i] = 300.0f;
    q.CH4[i] = 1700.0f;
    q.CH4LO[i] = 1600.0f;
    q.CO2V[1][i] = 290.0f;
    q.CO2V[2][i] = 310.0f;
    q.TAUCH4[i] = 8.0f;
  }
  const auto r2000 = orv::concentration_row(q, 236);
  EXPECT_FLOAT_EQ(r2000.CO2LO, 300.0f);
  EXPECT_FLOAT_EQ(r2000.CH4LO, 1600.0f);
  EXPECT_FLOAT_EQ(r2000.TAUCH4, 9.6f);
  EXPECT_FLOAT_EQ(orv::concentration_row(q, 235).CH4LO, 1700.0f);
  const auto r2001 = orv::concentration_row(q, 237);
  EXPECT_FLOAT_EQ(r2001.CO2LO, 291.0f);
  EXPECT_FLOAT_EQ(r2001.CO2MID, 312.0f);
  EXPECT_FLOAT_EQ(r2001.TAUCH4, 8.0f);
  q.IQKYOTO = 0;
  EXPECT_FLOAT_EQ(orv::concentration_row(q, 237).CO2LO, 290.0f);

  orv::set_concentrations_before_1765(q);
  EXPECT_FLOAT_EQ(q.CH4[0], 1699.6f);
  EXPECT_FLOAT_EQ(orv::concentration_row(q, 1).CH4, 1699.8f);
}

// A simulation result whose temperature is TEMP(i) = slope * (i - 100)
// and whose sea level is twice that, by year index i up to NYEND.
orv::SimulationResult result_with(const OrvState& run, int set, int so2, float slope) {
  orv::SimulationResult r;
  r.parameter_set = static_cast<orv::ParameterSet>(set);
  r.so2_case = static_cast<orv::So2Case>(so2);
  for (orv::Output o : {orv::Output::Temperature, orv::Output::SeaLevel}) {
    r[o].first_year = 1765;
    for (int i = 1; i <= run.NYEND; ++i)
      r[o].values.push_back((o == orv::Output::SeaLevel ? 2.0f : 1.0f) * slope * static_cast<float>(i - 100));
  }
  return r;
}

// Keeps simulations 1..n of the twenty-simulation mode with
// TEMP(i) = warming(k, p) * (i - 100) in simulation (k, p).
void twenty_simulations(OrvState& run, orv::ResultStores& k, int n, float (*warming)(int k, int p)) {
  run.IRUNMODE = 1;
  for (int NSIM = 1; NSIM <= n; ++NSIM) {
    const int so2 = (NSIM - 1) / 4 + 1, set = (NSIM - 1) % 4 + 1;
    orv::keep_results(k, result_with(run, set, so2, warming(so2, set)), NSIM, run);
  }
}

TEST(OrvtarWriters, ResultStoresSplitTheWarmingSince1990BySo2Case) {
  auto s = state_to_2100();
  auto stores = std::make_unique<orv::ResultStores>();
  twenty_simulations(*s, *stores, 20, [](int k, int p) { return 0.001f * static_cast<float>(p) * (6 - k); });
  const auto& q = *stores;
  // y = 1 is 1961 (index 197), y = 30 is 1990, y = 140 is 2100 (index 336).
  for (int p = 1; p <= 4; ++p) {
    const float per_year = 0.001f * static_cast<float>(p);
    EXPECT_FLOAT_EQ(q.TDRV[1][p][30], 0.0f);
    EXPECT_NEAR(q.TDRV[1][p][140], 5 * per_year * 110, 1e-5);   // full SO2
    EXPECT_NEAR(q.TDRV[2][p][140], 4 * per_year * 110, 1e-5);   // SO2 constant
    EXPECT_NEAR(q.TDRV[3][p][140], -1 * per_year * 110, 1e-5);  // region 1 minus case 2
    EXPECT_NEAR(q.TDRV[5][p][1], 3 * per_year * 29, 1e-5);      // 1961 is 29 years before 1990
    // The mean 1981-2000 warming (indices 217-236) of the last simulation
    // with the set: region 3, 0.001 * p per year.
    EXPECT_NEAR(q.TAVG[p], per_year * 126.5f, 1e-5);
  }
  EXPECT_NEAR(q.TEMLO[336], 0.005f * 110, 1e-5);
  EXPECT_NEAR(q.TEMUSER[336], 0.020f * 110, 1e-5);
  EXPECT_NEAR(q.MSLHI[336], 2 * 0.015f * 110, 1e-5);
  EXPECT_FLOAT_EQ(q.TEMMID[226], 0.0f);
  // TEMNOSO2 is simulation 6: MID parameters, SO2 constant after 1990.
  EXPECT_NEAR(q.TEMNOSO2[336], 0.008f * 110, 1e-5);
}

TEST(OrvtarWriters, ResultStoresOfTheOtherRunModes) {
  auto s = state_to_2100();
  auto stores = std::make_unique<orv::ResultStores>();
  twenty_simulations(*s, *stores, 4, [](int, int p) { return 0.001f * static_cast<float>(p); });
  EXPECT_EQ(stores->TEMNOSO2[336], 0.0f);  // run mode 1 leaves it for simulation 6

  auto four = std::make_unique<orv::ResultStores>();
  s->IRUNMODE = 0;
  four->TEMNOSO2[336] = 5.0f;
  orv::keep_results(*four, result_with(*s, 1, 1, 1.0f / 236), 1, *s);
  EXPECT_EQ(four->TEMNOSO2[336], 0.0f);
  EXPECT_FLOAT_EQ(four->TEMLO[336], 110.0f / 236);

  auto single = std::make_unique<orv::ResultStores>();
  s->IRUNMODE = 9;
  orv::keep_results(*single, result_with(*s, 4, 1, 1.0f / 236), 1, *s);
  EXPECT_FLOAT_EQ(single->TEMUSER[336], 110.0f / 236);
  EXPECT_EQ(single->TEMLO[336], 0.0f);
}

TEST(OrvtarWriters, ReportDateFollowsSourceDateEpoch) {
  ::setenv("SOURCE_DATE_EPOCH", "0", 1);
  auto d = orv::report_date();
  EXPECT_EQ(d.day, 1);
  EXPECT_EQ(d.month, 1);
  EXPECT_EQ(d.year, 1970);
  ::setenv("SOURCE_DATE_EPOCH", "1709251199", 1);  // 2024-02-29 23:59:59 UTC
  d = orv::report_date();
  EXPECT_EQ(d.day, 29);
  EXPECT_EQ(d.month, 2);
  EXPECT_EQ(d.year, 2024);
  for (const char* bad : {"-1", "12x", "1.5", " 7", "99999999999999999999999"}) {
    ::setenv("SOURCE_DATE_EPOCH", bad, 1);
    EXPECT_THROW(orv::report_date(), rec::Error) << bad;
  }
  ::unsetenv("SOURCE_DATE_EPOCH");
  d = orv::report_date();
  EXPECT_GE(d.year, 2024);
  EXPECT_GE(d.month, 1);
  EXPECT_LE(d.month, 12);
}

}  // namespace
