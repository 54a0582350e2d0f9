// The climate model as a library: configuration and data in memory, one
// simulation per call, no file written; its series equal the display files
// of an orvtar run with the same settings.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "orvtar/control/config.h"
#include "orvtar/control/config_values.h"
#include "orvtar/control/results.h"
#include "orvtar/control/run_source.h"
#include "orvtar/control/simulation.h"
#include "orvtar/control/startup.h"
#include "orvtar_run.h"
#include "records/record_io.h"

namespace {

using orv::Output;
using orv::ParameterSet;
using orv::So2Case;

orv::InputPaths paths_in(const std::string& dir) {
  orv::InputPaths p;
  p.config_dir = dir;
  p.co2hist = dir + "/co2hist.IN";
  p.qhalos = dir + "/QHALOS.IN";
  p.co2input = dir + "/co2input.dat";
  p.qextra = dir + "/qextra.in";
  p.gasemk = dir + "/GAS.EMK";
  return p;
}

std::unique_ptr<orv::OrvState> prepared_from_files(const std::string& dir) {
  orv::RunSource src = orv::RunSource::files(paths_in(dir));
  return orv::prepare_model(src);
}

// Change of a series from `ref` to `year`, as the display files compute it.
float change(const orv::SimulationResult& r, Output o, int year, int ref) {
  return r[o].at(year) - r[o].at(ref);
}

TEST(ModelLibrary, SimulationsEqualTheDisplayFilesOfARun) {
  e2e::OrvtarRun dir;
  ASSERT_EQ(dir.run(), 0) << dir.text("stderr.txt");
  const auto prepared = prepared_from_files(dir.path().string());
  const int ref = prepared->IREFYR, last = prepared->IYEND;
  ASSERT_EQ(prepared->IDISSTEP, 1);

  orv::SimulationResult sets[5];
  for (int p = 1; p <= 4; ++p) sets[p] = orv::simulate(*prepared, static_cast<ParameterSet>(p), So2Case::Full);
  const orv::SimulationResult no_so2 = orv::simulate(*prepared, ParameterSet::Mid, So2Case::ConstantAfter1990);

  // temps.dis and sealev.dis: header, one row a year from 1765, header.
  const auto temps = dir.lines("temps.dis");
  const auto sea = dir.lines("sealev.dis");
  ASSERT_EQ(temps.size(), static_cast<std::size_t>(last - 1765 + 3));
  for (int year = 1765; year <= last; ++year) {
    const auto k = static_cast<std::size_t>(year - 1764);
    const auto t = [&](const orv::SimulationResult& r) { return change(r, Output::Temperature, year, ref); };
    const auto m = [&](const orv::SimulationResult& r) { return change(r, Output::SeaLevel, year, ref); };
    ASSERT_EQ(rec::format_records("(1X,I4,5F9.3)", {year, t(sets[4]), t(sets[1]), t(sets[2]), t(sets[3]), t(no_so2)})[0],
              temps[k]);
    ASSERT_EQ(rec::format_records("(1X,I4,5F9.1)", {year, m(sets[4]), m(sets[1]), m(sets[2]), m(sets[3])})[0], sea[k]);
  }
  // concs.dis shows the USER simulation's concentrations: CO2 of 2100.
  const auto concs = dir.lines("concs.dis");
  const std::string row2100 = concs[static_cast<std::size_t>(2100 - 1764)];
  EXPECT_EQ(row2100.substr(0, 13),
            rec::format_records("(1X,I4,F8.1)", {2100, sets[4][Output::Co2].at(2100)})[0]);
}

TEST(ModelLibrary, ValuesAndDataInMemoryPrepareTheSameStateAsTheFiles) {
  orvtest::InputDir dir("e2e");
  const std::string d = dir.path().string();
  orv::RunSource files = orv::RunSource::files(paths_in(d));
  const auto from_files = orv::prepare_model(files);

  const orv::ConfigValues values = orv::ConfigValues::read(d);
  orv::RunSource memory = orv::RunSource::values_and_inputs(values, files.inputs());
  const auto from_memory = orv::prepare_model(memory);
  EXPECT_EQ(std::memcmp(from_files.get(), from_memory.get(), sizeof(orv::OrvState)), 0);
}

TEST(ModelLibrary, ItemTableDefaultsAreTheBundledConfiguration) {
  const orv::ConfigValues bundled = orv::ConfigValues::read(std::string(PROJECT_DATA_DIR) + "/defaults");
  const orv::ConfigValues table;
  for (const orv::ConfigItem& item : orv::config_items()) {
    EXPECT_EQ(table[item], bundled[item]) << item.name;
    EXPECT_TRUE(orv::accepts(item, table[item])) << item.name << " = " << item.default_value;
  }
}

TEST(ModelLibrary, SimulationsRunSideBySideWithoutTouchingThePreparedState) {
  orvtest::InputDir dir("e2e");
  const auto prepared = prepared_from_files(dir.path().string());
  const auto before = std::make_unique<orv::OrvState>(*prepared);

  orv::SimulationResult a, b;
  std::thread t1([&] { a = orv::simulate(*prepared, ParameterSet::High, So2Case::Region2); });
  std::thread t2([&] { b = orv::simulate(*prepared, ParameterSet::High, So2Case::Region2); });
  t1.join();
  t2.join();
  EXPECT_EQ(std::memcmp(before.get(), prepared.get(), sizeof(orv::OrvState)), 0);
  for (const orv::OutputInfo& o : orv::output_table()) EXPECT_EQ(a[o.output].values, b[o.output].values) << o.key;
  // The regional SO2 case repeats the sea level of its set's full-SO2 run.
  const orv::SimulationResult full = orv::simulate(*prepared, ParameterSet::High, So2Case::Full);
  EXPECT_EQ(a[Output::SeaLevel].values, full[Output::SeaLevel].values);
  EXPECT_NE(a[Output::Temperature].at(2100), full[Output::Temperature].at(2100));
}

// The further SO2 cases start from their set's full-SO2 simulation held
// before 1989 instead of from 1765: every number must be the one a run from
// 1765 gives, whatever the time step (a step of a whole year moves the
// model's year on fastest). The regional cases differ from the full one
// already in 1990, the first year they can.
TEST(ModelLibrary, FurtherSo2CasesFromTheHeldHistoryEqualRunsFrom1765) {
  orvtest::InputDir dir("e2e");
  orv::RunSource files = orv::RunSource::files(paths_in(dir.path().string()));
  orv::prepare_model(files);
  orv::ConfigValues values = orv::ConfigValues::read(dir.path().string());
  for (const double DT : {1.0, 0.5, 0.1, 0.03}) {
    values.set(*orv::find_config_item("DT"), DT);
    orv::RunSource src = orv::RunSource::values_and_inputs(values, files.inputs());
    auto prepared = orv::prepare_model(src);
    prepared->IRUNMODE = 1;
    for (const ParameterSet p : {ParameterSet::Low, ParameterSet::User}) {
      auto full = std::make_unique<orv::OrvState>();
      const orv::SharedHistory shared = orv::simulate_full_so2(*full, *prepared, p, static_cast<int>(p));
      ASSERT_TRUE(shared.held) << DT;
      const orv::SharedHistory from_1765{nullptr, shared.sea_level};
      for (const So2Case c : {So2Case::ConstantAfter1990, So2Case::Region1, So2Case::Region3}) {
        const int NSIM = (static_cast<int>(c) - 1) * 4 + static_cast<int>(p);
        auto held = std::make_unique<orv::OrvState>();
        auto whole = std::make_unique<orv::OrvState>();
        orv::simulate_further_case(*held, *prepared, shared, p, c, NSIM);
        orv::simulate_further_case(*whole, *prepared, from_1765, p, c, NSIM);
        EXPECT_EQ(std::memcmp(held.get(), whole.get(), sizeof(orv::OrvState)), 0) << "DT " << DT << " NSIM " << NSIM;
        EXPECT_NE(held->TEMP[336], full->TEMP[336]) << "DT " << DT << " NSIM " << NSIM;
      }
    }
  }
}

TEST(ModelLibrary, SeriesCarryTheirYearsAndUnits) {
  orvtest::InputDir dir("e2e");
  const auto prepared = prepared_from_files(dir.path().string());
  const orv::SimulationResult r = orv::simulate(*prepared, ParameterSet::Mid, So2Case::Full);
  EXPECT_EQ(r.parameter_set, ParameterSet::Mid);
  EXPECT_FLOAT_EQ(r.climate_sensitivity, 2.6f);
  EXPECT_EQ(r[Output::Temperature].first_year, 1765);
  EXPECT_EQ(r[Output::Temperature].last_year(), prepared->IYEND);
  EXPECT_EQ(r[Output::EmissionsFossilCo2].first_year, 1990);
  EXPECT_EQ(r[Output::Temperature].at(1765), 0.0f);
  EXPECT_THROW(r[Output::Temperature].at(1764), std::out_of_range);
  EXPECT_EQ(orv::info(Output::SeaLevel).unit, "cm");
  EXPECT_EQ(orv::info(Output::ForcingTotal).unit, "W/m**2");
  // The regional SO2 columns add up to the global one (their 1990 shares
  // of the base emission are 37/75, 28/75 and 10/75).
  const float regions = r[Output::EmissionsSo2Region1].at(1990) + r[Output::EmissionsSo2Region2].at(1990) +
                        r[Output::EmissionsSo2Region3].at(1990);
  EXPECT_NEAR(regions, r[Output::EmissionsSo2Global].at(1990), 1e-3);
  EXPECT_NEAR(r[Output::EmissionsSo2Global].at(1990), prepared->ES1990, 1e-3);
  for (std::size_t k = 0; k < orv::OUTPUT_COUNT; ++k)
    EXPECT_EQ(static_cast<std::size_t>(orv::output_table()[k].output), k);
}

TEST(ModelLibrary, SettingsInMemoryAreCheckedAsTheFilesAre) {
  orvtest::InputDir dir("e2e");
  orv::RunSource files = orv::RunSource::files(paths_in(dir.path().string()));
  const auto prepared = orv::prepare_model(files);

  orv::ConfigValues values = orv::ConfigValues::read(dir.path().string());
  values.set(*orv::find_config_item("DT2XUSER"), 4.5);
  orv::RunSource member = orv::RunSource::values_and_inputs(values, files.inputs());
  const auto hotter = orv::prepare_model(member);
  EXPECT_GT(orv::simulate(*hotter, ParameterSet::User, So2Case::Full)[Output::Temperature].at(2100),
            orv::simulate(*prepared, ParameterSet::User, So2Case::Full)[Output::Temperature].at(2100));
  // The MID set does not use DT2XUSER.
  EXPECT_EQ(orv::simulate(*hotter, ParameterSet::Mid, So2Case::Full)[Output::Temperature].values,
            orv::simulate(*prepared, ParameterSet::Mid, So2Case::Full)[Output::Temperature].values);

  values.set(*orv::find_config_item("DT"), 0.01);
  orv::RunSource bad = orv::RunSource::values_and_inputs(values, files.inputs());
  try {
    orv::prepare_model(bad);
    FAIL() << "DT = 0.01 was accepted";
  } catch (const orv::ConfigError& e) {
    EXPECT_EQ(e.item.name, "DT");
    EXPECT_THAT(e.what(), ::testing::StartsWith("ORVXTRA.CFG, record 2: DT = 0.01; expected"));
  }
  // Data read for one last year does not serve another.
  values.set(*orv::find_config_item("DT"), 1.0);
  values.set(*orv::find_config_item("IYEND"), 2050);
  orv::RunSource shorter = orv::RunSource::values_and_inputs(values, files.inputs());
  EXPECT_THROW(orv::prepare_model(shorter), rec::Error);
}

}  // namespace
