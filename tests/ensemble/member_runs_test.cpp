// Members as library calls: a member's series equal the display files of an
// orvtar run given the member's parameters in its configuration files; the
// members' results and statistics do not depend on the number of threads
// or on running members in blocks; a member the model refuses is named
// before anything runs.
#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <vector>

#include "ensemble/member_runs.h"
#include "ensemble/parameter_draws.h"
#include "ensemble/reduction.h"
#include "orvtar/control/config.h"
#include "orvtar/control/orvtar_run.h"
#include "records/record_io.h"

namespace {

using orv::Output;

orv::InputPaths paths_in(const std::string& dir) {
  orv::InputPaths p;
  p.co2hist = dir + "/co2hist.IN";
  p.qhalos = dir + "/QHALOS.IN";
  p.co2input = dir + "/co2input.dat";
  p.qextra = dir + "/qextra.in";
  p.gasemk = dir + "/GAS.EMK";
  return p;
}

ens::Distribution parsed(const std::string& text) {
  std::string error;
  return *ens::parse_distribution(text, error);
}

// Four items of the model's main uncertainties that act in the test input
// set as it is (USER carbon cycle feedbacks on, MID aerosol case).
ens::EnsembleSpec four_items(std::size_t members) {
  ens::EnsembleSpec spec;
  spec.members = members;
  spec.seed = 2024;
  spec.varied = {{orv::find_config_item("DT2XUSER"), parsed("lognormal median 3.0 p05 2.0 p95 5.0")},
                 {orv::find_config_item("XK"), parsed("uniform 0.5 2.5")},
                 {orv::find_config_item("TAUCH4M"), parsed("normal 9.6 1.1")},
                 {orv::find_config_item("CCFB4"), parsed("uniform 0.0336 0.0916")}};
  return spec;
}

// A real value as the configuration record holds it: the shortest text
// that reads back to the same single-precision number.
std::string record_text(double v) {
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<float>(v));
  std::string t(buf, r.ptr);
  return t.find('.') == std::string::npos && t.find('e') == std::string::npos ? t + "." : t;
}

class Members : public ::testing::Test {
 protected:
  e2e::OrvtarRun dir;  // the small input set to 2100, one time step a year
};

TEST_F(Members, AMemberEqualsTheDisplayFilesOfAnOrvtarRunWithItsParameters) {
  const orv::ConfigValues base = orv::ConfigValues::read(dir.path().string());
  const ens::EnsembleSpec spec = four_items(5);
  const ens::ParameterDraws draws = ens::draw_parameters(spec);
  const ens::ScenarioModel model("e2e", base, paths_in(dir.path().string()));
  const std::size_t k = 3;
  const orv::SimulationResult r = model.simulate_member(draws, k);

  for (std::size_t d = 0; d < draws.items.size(); ++d) {
    const orv::ConfigItem& item = *draws.items[d];
    dir.set(std::string(orv::file_name(item.file)), item.record, record_text(draws.at(k, d)));
  }
  ASSERT_EQ(dir.run(), 0) << dir.text("stderr.txt");

  // temps.dis and sealev.dis: the USER column, as changes from IREFYR.
  const int ref = static_cast<int>(base[*orv::find_config_item("IREFYR")]);
  const auto temps = dir.lines("temps.dis");
  const auto sea = dir.lines("sealev.dis");
  double file_recent = 0, file_pre = 0;
  for (int year = 1765; year <= 2100; ++year) {
    const auto row = static_cast<std::size_t>(year - 1764);
    const float t = r[Output::Temperature].at(year) - r[Output::Temperature].at(ref);
    const float m = r[Output::SeaLevel].at(year) - r[Output::SeaLevel].at(ref);
    ASSERT_EQ(rec::format_records("(1X,I4,F9.3)", {year, t})[0], temps[row].substr(0, 14)) << year;
    ASSERT_EQ(rec::format_records("(1X,I4,F9.1)", {year, m})[0], sea[row].substr(0, 14)) << year;
    const double file_value = std::stod(temps[row].substr(5, 9));
    if (year >= 1850 && year <= 1900) file_pre += file_value / 51;
    if (year >= 2011 && year <= 2020) file_recent += file_value / 10;
  }
  // The kept part: the constraint's warming as the file's rounded values give it.
  const ens::MemberResult kept = ens::member_result(r);
  EXPECT_NEAR(kept[ens::Headline::WarmingRecent], file_recent - file_pre, 0.0011);
  EXPECT_EQ(kept.series.size(), ens::kept_variables().size() * (2100 - 1765 + 1));
}

TEST_F(Members, ResultsDoNotDependOnThreadsOrBlocks) {
  const orv::ConfigValues base = orv::ConfigValues::read(dir.path().string());
  const ens::EnsembleSpec spec = four_items(7);
  const ens::ParameterDraws draws = ens::draw_parameters(spec);
  const ens::ScenarioModel model("e2e", base, paths_in(dir.path().string()));
  const std::vector<ens::MemberResult> one = model.run_members(draws, 0, 7, 1);
  const std::vector<ens::MemberResult> three = model.run_members(draws, 0, 7, 3);
  // Members 2 to 5 as another process would run them: its own draws.
  const ens::ParameterDraws block_draws = ens::draw_parameters(spec, 2, 6);
  const std::vector<ens::MemberResult> block = model.run_members(block_draws, 2, 6, 2);
  ASSERT_EQ(one.size(), 7u);
  ASSERT_EQ(block.size(), 4u);
  for (std::size_t k = 0; k < 7; ++k) {
    EXPECT_EQ(one[k].headline, three[k].headline) << "member " << k;
    EXPECT_EQ(one[k].series, three[k].series) << "member " << k;
    if (k >= 2 && k < 6) {
      EXPECT_EQ(one[k].series, block[k - 2].series) << "member " << k;
    }
  }
  // Different parameters, different climates.
  EXPECT_NE(one[0].headline, one[1].headline);

  const ens::ScenarioRun run{"e2e", 1765, 2100, one};
  const ens::ScenarioStatistics a = ens::reduce(run, spec, 1), b = ens::reduce(run, spec, 3);
  EXPECT_EQ(a.weights, b.weights);
  for (std::size_t c = 0; c < a.series.size(); ++c) {
    ASSERT_EQ(a.series[c].constrained, b.series[c].constrained);
    ASSERT_EQ(a.series[c].unconstrained, b.series[c].unconstrained);
  }
}

TEST_F(Members, AMemberTheModelRefusesIsNamedBeforeAnyRuns) {
  orv::ConfigValues base = orv::ConfigValues::read(dir.path().string());
  base.set(*orv::find_config_item("DTAUCH4"), 5.0);
  ens::EnsembleSpec spec;
  spec.members = 10;
  spec.varied = {{orv::find_config_item("TAUCH4M"), parsed("uniform 3 13")}};
  const ens::ParameterDraws draws = ens::draw_parameters(spec);
  const ens::ScenarioModel model("e2e", base, paths_in(dir.path().string()));
  std::size_t first_refused = 10;
  for (std::size_t k = 0; k < 10 && first_refused == 10; ++k)
    if (draws.at(k, 0) <= 5.0) first_refused = k;
  ASSERT_LT(first_refused, 10u);
  try {
    model.check_members(draws);
    FAIL() << "no member refused";
  } catch (const ens::MemberRefused& e) {
    EXPECT_EQ(e.member, first_refused);
    EXPECT_EQ(e.item.name, "DTAUCH4");
    EXPECT_NE(std::string(e.what()).find("member " + std::to_string(first_refused + 1) + ": DTAUCH4 = 5"),
              std::string::npos)
        << e.what();
  }
}

TEST_F(Members, ARunEndingBefore2100IsRefused) {
  orv::ConfigValues base = orv::ConfigValues::read(dir.path().string());
  base.set(*orv::find_config_item("IYEND"), 2050);
  EXPECT_THROW(ens::ScenarioModel("e2e", base, paths_in(dir.path().string())), rec::Error);
}

}  // namespace
