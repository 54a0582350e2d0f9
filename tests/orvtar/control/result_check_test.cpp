// The check of every simulation's series before the display and drive
// files are written: non-finite values and values too wide for the fields
// they are printed in stop the run with the simulation, the series, the
// year and the settings behind it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "orvtar/control/result_check.h"
#include "orvtar_run.h"
#include "records/record_io.h"

namespace {

using orv::Output;

// A result whose every series is zero over 1765-2100 (emissions from 1990).
orv::SimulationResult quiet_result() {
  orv::SimulationResult r;
  r.parameter_set = orv::ParameterSet::High;
  r.so2_case = orv::So2Case::ConstantAfter1990;
  r.climate_sensitivity = 4.5f;
  for (const orv::OutputInfo& o : orv::output_table()) {
    const bool emission = o.key.rfind("emissions", 0) == 0;
    r[o.output].first_year = emission ? 1990 : 1765;
    r[o.output].values.assign(emission ? 111 : 336, 0.0f);
  }
  return r;
}

std::unique_ptr<orv::OrvState> run_with_table(int ITEMPTAB) {
  auto run = std::make_unique<orv::OrvState>();
  run->IREFYR = 1990;
  run->ITEMPTAB = ITEMPTAB;
  run->IPRTYR1 = 1990;  // the report's table every 5 years from 1990
  run->IPRTSTEP = 5;
  run->IDISSTEP = 1;
  run->TAUCH4M = 9.6f;
  return run;
}

void set(orv::SimulationResult& r, Output o, int year, float v) {
  r[o].values.at(static_cast<std::size_t>(year - r[o].first_year)) = v;
}

std::string failure(const orv::SimulationResult& r, const orv::OrvState& run) {
  try {
    orv::check_result(r, 7, run);
  } catch (const rec::Error& e) {
    return e.what();
  }
  return "";
}

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(ResultCheck, NonFiniteValuesNameTheSimulationSeriesYearAndDrivers) {
  const auto run = run_with_table(1);
  EXPECT_EQ(failure(quiet_result(), *run), "");

  orv::SimulationResult nan = quiet_result();
  set(nan, Output::Ch4, 2003, std::numeric_limits<float>::quiet_NaN());
  set(nan, Output::Ch4, 2004, std::numeric_limits<float>::quiet_NaN());
  set(nan, Output::EmissionsCh4, 2003, 150.0f);
  const std::string m = failure(nan, *run);
  EXPECT_TRUE(has(m, "simulation 7 (HIGH parameters, SO2 constant after 1990)")) << m;
  EXPECT_TRUE(has(m, "CH4 concentration, mid-year (ch4, ppb) is not a number in 2003;")) << m;
  EXPECT_TRUE(has(m, "GAS.EMK (emissions_ch4 in 2003: 150 Tg/yr)")) << m;
  EXPECT_TRUE(has(m, "DT2X = 4.5")) << m;
  EXPECT_TRUE(has(m, "TAUCH4M = 9.6")) << m;

  EXPECT_EQ(orv::first_non_finite(quiet_result()), std::nullopt);
  EXPECT_EQ(orv::first_non_finite(nan), "the CH4 concentration, mid-year (ch4, ppb) is not a number in 2003");

  // The earliest year first; within a year the series nearest the cause.
  orv::SimulationResult chain = quiet_result();
  set(chain, Output::N2o, 2002, std::numeric_limits<float>::quiet_NaN());
  set(chain, Output::Temperature, 2001, std::numeric_limits<float>::quiet_NaN());
  set(chain, Output::ForcingN2o, 2001, std::numeric_limits<float>::quiet_NaN());
  EXPECT_EQ(orv::first_non_finite(chain), "the forcing of N2O (forcing_n2o, W/m**2) is not a number in 2001");

  orv::SimulationResult inf = quiet_result();
  set(inf, Output::ForcingTotal, 2050, std::numeric_limits<float>::infinity());
  EXPECT_TRUE(has(failure(inf, *run), "(forcing_total, W/m**2) is infinite in 2050")) << failure(inf, *run);
}

// concs.dis prints CO2 as F8.1: 999999.9 is the widest positive value,
// -99999.9 the widest negative one.
TEST(ResultCheck, ValuesMustFitTheFieldTheyArePrintedIn) {
  const auto run = run_with_table(6);
  orv::SimulationResult r = quiet_result();
  set(r, Output::Co2, 2080, 999999.9f);
  set(r, Output::Co2, 2081, -99999.9f);
  EXPECT_EQ(failure(r, *run), "");
  set(r, Output::Co2, 2090, 1000000.0f);
  EXPECT_TRUE(has(failure(r, *run),
                  "would be printed as 1e+06 in 2090, which does not fit its field F8.1 in "
                  "concs.dis column CO2USER"))
      << failure(r, *run);
  set(r, Output::Co2, 2090, 0.0f);
  set(r, Output::Co2, 2095, -100000.0f);
  EXPECT_TRUE(has(failure(r, *run), "-100000 in 2095")) << failure(r, *run);
}

// The report's table (layout 1) prints TEMP as F7.4, narrower than the
// F9.3 of temps.dis; both print changes from IREFYR.
TEST(ResultCheck, TheReportTableCountsInItsLayoutAndFromTheReferenceYear) {
  orv::SimulationResult r = quiet_result();
  for (float& t : r[Output::Temperature].values) t = 200.0f;
  set(r, Output::Temperature, 2100, 250.0f);
  EXPECT_EQ(failure(r, *run_with_table(1)), "") << "printed changes from 1990 are 0 and 50";
  set(r, Output::Temperature, 2100, 350.0f);
  EXPECT_EQ(failure(r, *run_with_table(6)), "") << "150 fits F9.3 of temps.dis";
  EXPECT_TRUE(has(failure(r, *run_with_table(1)),
                  "150 in 2100, which does not fit its field F7.4 in ORV.OUT (a change from 1990, when "
                  "the series stood at 200)"))
      << failure(r, *run_with_table(1));
}

// An extra forcing of -20 W/m**2 from 2000 cools the model beyond the
// -9.9999 degC that the report's temperature column can print: the run
// stops before any display or drive file is written.
TEST(ResultCheck, ARunWhoseResultsCannotBePrintedStopsWithStatus2) {
  e2e::OrvtarRun run;
  std::string extra = "     1\n  2000 2100\n";
  for (int year = 2000; year <= 2100; ++year) extra += "  " + std::to_string(year) + "       0.0\n";
  run.write("qextra.in", extra);
  run.set("ORVMOD.CFG", 13, 1);       // IQEXTRA: extra forcing added
  run.set("ORVMOD.CFG", 14, "20.0");  // QOFFSET: subtracted from it
  EXPECT_EQ(run.run(), 2);
  const std::string err = run.text("stderr.txt");
  EXPECT_TRUE(has(err, "orvtar: simulation 3 (HIGH parameters, full SO2): the global-mean surface temperature")) << err;
  EXPECT_TRUE(has(err, "which does not fit its field F7.4 in ORV.OUT")) << err;
  EXPECT_TRUE(has(err, "QOFFSET = 20")) << err;
  for (const char* file : {"temps.dis", "sealev.dis", "concs.dis", "forcings.dis", "emiss.dis", "middrive.raw"})
    EXPECT_FALSE(run.exists(file)) << file;
}

}  // namespace
