#include "ensemble/member_runs.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>

#include "orvtar/control/config.h"
#include "orvtar/control/result_check.h"
#include "orvtar/control/simulation.h"
#include "orvtar/control/startup.h"

namespace ens {

namespace {

using orv::Output;

constexpr KeptVariable KEPT[] = {
    {"temperature", "degC", Output::Temperature, 1850, 1900, 3,
     "global-mean surface temperature change from the 1850-1900 mean"},
    {"sea_level", "cm", Output::SeaLevel, 1995, 2014, 2, "global-mean sea-level rise from the 1995-2014 mean"},
    {"co2", "ppm", Output::Co2, 0, 0, 2, "CO2 concentration, mid-year"},
    {"forcing_total", "W/m**2", Output::ForcingTotal, 0, 0, 3, "total radiative forcing, mid-year"},
};

constexpr HeadlineInfo HEADLINES[] = {
    {Headline::WarmingRecent, "warming_2011_2020", "degC", "warming from 1850-1900 to 2011-2020 (the constraint)"},
    {Headline::WarmingLate, "warming_2081_2100", "degC", "warming from 1850-1900 to 2081-2100"},
    {Headline::Warming2100, "warming_2100", "degC", "warming from 1850-1900 to 2100"},
    {Headline::SeaLevel2100, "sea_level_2100", "cm", "sea-level rise from 1995-2014 to 2100"},
};
static_assert(std::size(HEADLINES) == HEADLINE_COUNT);

double mean(const orv::AnnualSeries& s, int first, int last) {
  double sum = 0;
  for (int y = first; y <= last; ++y) sum += s.at(y);
  return sum / (last - first + 1);
}

}  // namespace

std::span<const KeptVariable> kept_variables() { return KEPT; }
std::span<const HeadlineInfo> headline_table() { return HEADLINES; }

MemberResult member_result(const orv::SimulationResult& r) {
  const int years = static_cast<int>(r[Output::Temperature].values.size());
  MemberResult m;
  m.series.reserve(std::size(KEPT) * static_cast<std::size_t>(years));
  for (const KeptVariable& v : KEPT) {
    const orv::AnnualSeries& s = r[v.output];
    const double base = v.base_first ? mean(s, v.base_first, v.base_last) : 0.0;
    for (int y = 0; y < years; ++y) m.series.push_back(static_cast<float>(s.at(1765 + y) - base));
  }
  const orv::AnnualSeries& t = r[Output::Temperature];
  const double pre = mean(t, 1850, 1900);
  m.headline[static_cast<std::size_t>(Headline::WarmingRecent)] = mean(t, 2011, 2020) - pre;
  m.headline[static_cast<std::size_t>(Headline::WarmingLate)] = mean(t, 2081, 2100) - pre;
  m.headline[static_cast<std::size_t>(Headline::Warming2100)] = t.at(2100) - pre;
  const orv::AnnualSeries& sl = r[Output::SeaLevel];
  m.headline[static_cast<std::size_t>(Headline::SeaLevel2100)] = sl.at(2100) - mean(sl, 1995, 2014);
  return m;
}

MemberRefused::MemberRefused(std::size_t k, const orv::ConfigItem& it, const std::string& what)
    : rec::Error(std::string("member ").append(std::to_string(k + 1)).append(": ").append(what)),
      member(k),
      item(it),
      problem(what) {}

ScenarioModel::ScenarioModel(std::string label, const orv::ConfigValues& base, const orv::InputPaths& paths)
    : label_(std::move(label)), base_(base) {
  orv::RunSource src = orv::RunSource::values_and_files(base_, paths);
  const auto prepared = orv::prepare_model(src);
  inputs_ = src.inputs();
  last_year_ = prepared->IYEND;
  if (last_year_ < HEADLINE_LAST_YEAR)
    throw rec::Error(label_ + ": the run ends in " + std::to_string(last_year_) + "; an ensemble needs IYEND " +
                     std::to_string(HEADLINE_LAST_YEAR) + " or later (the warming of 2081-2100 and of 2100)");
}

orv::ConfigValues ScenarioModel::member_values(const ParameterDraws& draws, std::size_t k) const {
  orv::ConfigValues v = base_;
  for (std::size_t d = 0; d < draws.items.size(); ++d) v.set(*draws.items[d], draws.at(k, d));
  return v;
}

void ScenarioModel::check_members(const ParameterDraws& draws) const {
  for (std::size_t k = draws.first; k < draws.last; ++k) {
    try {
      orv::check_configuration(member_values(draws, k));
    } catch (const orv::ConfigError& e) {
      throw MemberRefused(k, e.item, e.problem);
    }
  }
}

orv::SimulationResult ScenarioModel::simulate_member(const ParameterDraws& draws, std::size_t k) const {
  const orv::ConfigValues values = member_values(draws, k);
  orv::RunSource src = orv::RunSource::values_and_inputs(values, inputs_);
  return orv::simulate(orv::prepare_model(src), orv::ParameterSet::User, orv::So2Case::Full);
}

MemberResult ScenarioModel::run_member(const ParameterDraws& draws, std::size_t k) const {
  const orv::SimulationResult r = simulate_member(draws, k);
  if (const auto problem = orv::first_non_finite(r))
    throw rec::Error(label_ + ", member " + std::to_string(k + 1) + ": " + *problem +
                     "; no file of the ensemble was written");
  return member_result(r);
}

std::vector<MemberResult> ScenarioModel::run_members(const ParameterDraws& draws, std::size_t first, std::size_t last,
                                                     unsigned threads, const std::function<void()>& member_done) const {
  std::vector<MemberResult> out(last - first);
  std::atomic<std::size_t> next{first};
  std::mutex mutex;
  std::exception_ptr failure;
  std::size_t failed_member = last;
  // Each worker takes the next member; a failure stops the hand-out, and the
  // one of the lowest member is rethrown, whichever thread saw it.
  auto work = [&] {
    for (std::size_t k = next++; k < last; k = next++) {
      try {
        out[k - first] = run_member(draws, k);
      } catch (...) {
        const std::lock_guard lock(mutex);
        if (k < failed_member) {
          failed_member = k;
          failure = std::current_exception();
        }
        next = last;
      }
      if (member_done) {
        const std::lock_guard lock(mutex);
        member_done();
      }
    }
  };
  std::vector<std::thread> workers;
  for (unsigned t = 1; t < std::max(threads, 1u); ++t) workers.emplace_back(work);
  work();
  for (std::thread& t : workers) t.join();
  if (failure) std::rethrow_exception(failure);
  return out;
}

}  // namespace ens
