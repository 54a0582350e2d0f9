// The members of one scenario: its data read once, every member's
// configuration checked before any runs, and members [first, last) run on
// worker threads, each the full model (both hemispheres, sea level, gas
// cycles) as a USER-set simulation with full SO2, giving its headline
// numbers and the series the ensemble keeps.
//
// This is the seam for running blocks of members elsewhere (other
// processes): a block's results are plain numbers, and member k's depend on
// nothing but the scenario, the draws and k.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ensemble/parameter_draws.h"
#include "orvtar/control/config_values.h"
#include "orvtar/control/results.h"
#include "orvtar/control/run_source.h"
#include "records/record_io.h"

namespace ens {

// A series the ensemble keeps of every member, as a change from the mean of
// its base period (or as it is, when the period is empty).
struct KeptVariable {
  std::string_view key;  // "temperature"
  std::string_view unit;
  orv::Output output;
  int base_first, base_last;  // 0, 0: no base period
  int decimals;               // in the files
  std::string_view description;
};

// temperature (from 1850-1900), sea_level (from 1995-2014), co2, forcing_total.
std::span<const KeptVariable> kept_variables();

// The numbers the summary and members.csv give of each member.
enum class Headline { WarmingRecent, WarmingLate, Warming2100, SeaLevel2100 };
inline constexpr std::size_t HEADLINE_COUNT = 4;

struct HeadlineInfo {
  Headline headline;
  std::string_view key;  // "warming_2081_2100"
  std::string_view unit;
  std::string_view description;
};
std::span<const HeadlineInfo> headline_table();

// The first and last years a headline needs.
inline constexpr int HEADLINE_FIRST_YEAR = 1850;
inline constexpr int HEADLINE_LAST_YEAR = 2100;

struct MemberResult {
  std::array<double, HEADLINE_COUNT> headline{};
  // The kept variables one after the other, each for every year of the run.
  std::vector<float> series;

  double operator[](Headline h) const { return headline[static_cast<std::size_t>(h)]; }
};

// The part of a member's simulation the ensemble keeps: the kept series,
// year by year from 1765, and the headline numbers (the run reaches 2100).
MemberResult member_result(const orv::SimulationResult& r);

// A member refused by the model's start-up checks.
class MemberRefused : public rec::Error {
 public:
  MemberRefused(std::size_t member, const orv::ConfigItem& item, const std::string& problem);
  std::size_t member;  // from 0
  const orv::ConfigItem& item;
  std::string problem;  // the model's message without its file and record
};

class ScenarioModel {
 public:
  // Reads the scenario's data files once (as start-up under `base` reads
  // them) and checks `base`; failures throw rec::Error (ConfigError for a
  // setting; a run ending before 2100 is refused). `base` holds the settings, the scenario's ES1990 and the
  // ensemble's switches.
  ScenarioModel(std::string label, const orv::ConfigValues& base, const orv::InputPaths& paths);

  const std::string& label() const { return label_; }
  int first_year() const { return 1765; }
  int last_year() const { return last_year_; }
  int years() const { return last_year_ - 1765 + 1; }

  // The configuration of member k.
  orv::ConfigValues member_values(const ParameterDraws& draws, std::size_t k) const;

  // Runs the model's configuration checks on every member of `draws`;
  // throws MemberRefused for the first one refused.
  void check_members(const ParameterDraws& draws) const;

  // Members [first, last) (within those of `draws`) on `threads` worker
  // threads (at least one), in member order; `member_done` is called (from the workers, one at a time)
  // after each member.
  std::vector<MemberResult> run_members(const ParameterDraws& draws, std::size_t first, std::size_t last,
                                        unsigned threads, const std::function<void()>& member_done = {}) const;

  // One member's simulation, and the part of it the ensemble keeps.
  orv::SimulationResult simulate_member(const ParameterDraws& draws, std::size_t k) const;
  MemberResult run_member(const ParameterDraws& draws, std::size_t k) const;

 private:
  std::string label_;
  orv::ConfigValues base_;
  orv::ModelInputs inputs_;
  int last_year_ = 0;
};

}  // namespace ens
