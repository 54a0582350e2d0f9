// Speed of the ensemble, in process: one member (its configuration
// prepared, then the simulation), the simulation alone from a prepared
// state (the serial physics floor of a member), 1,000 members of RCP4.5
// from 1765 to 2100 with DT = 0.1 on the machine's cores, and their
// reduction to percentiles. The whole command as a user runs it is timed
// by EnsembleCommandOneScenario and EnsembleCommandBothScenarios (targets:
// 1,000 members of one scenario, constrained, files written, under 1 s wall
// on two cores and 200 MB; both scenarios under 2 s). Peak memory is a
// whole-process figure: measure it with /usr/bin/time -v on the command.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "bench_support.h"
#include "ensemble/ensemble_files.h"
#include "ensemble/member_runs.h"
#include "ensemble/parameter_draws.h"
#include "ensemble/reduction.h"
#include "ensemble/uncertain_items.h"
#include "orvtar/control/config_values.h"
#include "orvtar/control/simulation.h"
#include "orvtar/control/startup.h"
#include "tests/support/scratch_dir.h"

namespace {

// The default ensemble's items and switches, without the settings file.
ens::EnsembleSpec default_spec(std::size_t members) {
  ens::EnsembleSpec spec;
  spec.members = members;
  for (const ens::DefaultUncertainty& d : ens::default_uncertainties()) {
    std::string error;
    ens::Distribution dist = *ens::parse_distribution(d.distribution, error);
    spec.varied.push_back({orv::find_config_item(d.item), dist});
  }
  spec.implied.push_back({orv::find_config_item("LEVSO4"), 4, "QDIRU"});
  return spec;
}

orv::ConfigValues base_values(const ens::EnsembleSpec& spec) {
  orv::ConfigValues v;
  for (const ens::ImpliedSetting& s : spec.implied) v.set(*s.item, s.value);
  return v;
}

orv::InputPaths rcp45() {
  orv::InputPaths p;
  p.co2hist = PROJECT_DATA_DIR "/co2hist.IN";
  p.qhalos = PROJECT_DATA_DIR "/QHALOS-RCP45.IN";
  p.gasemk = PROJECT_DATA_DIR "/GAS-RCP45.EMK";
  return p;
}

struct Fixture {
  ens::EnsembleSpec spec = default_spec(1000);
  ens::ParameterDraws draws = ens::draw_parameters(spec);
  ens::ScenarioModel model{"RCP4.5", base_values(spec), rcp45()};
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void EnsembleOneMember(benchmark::State& state) {
  Fixture& f = fixture();
  std::size_t k = 0;
  for (auto _ : state) benchmark::DoNotOptimize(f.model.run_member(f.draws, k++ % f.draws.last));
}

void EnsembleSimulationOnly(benchmark::State& state) {
  Fixture& f = fixture();
  const orv::ConfigValues values = f.model.member_values(f.draws, 0);
  orv::ModelInputs inputs;
  {
    orv::RunSource src = orv::RunSource::values_and_files(values, rcp45());
    orv::prepare_model(src);
    inputs = src.inputs();
  }
  orv::RunSource src = orv::RunSource::values_and_inputs(values, inputs);
  const auto prepared = orv::prepare_model(src);
  for (auto _ : state) benchmark::DoNotOptimize(orv::simulate(*prepared, orv::ParameterSet::User, orv::So2Case::Full));
}

void EnsembleCheckMembers(benchmark::State& state) {
  Fixture& f = fixture();
  for (auto _ : state) f.model.check_members(f.draws);
}

void EnsembleThousandMembers(benchmark::State& state) {
  Fixture& f = fixture();
  const unsigned threads = std::thread::hardware_concurrency();
  for (auto _ : state) benchmark::DoNotOptimize(f.model.run_members(f.draws, 0, f.draws.last, threads));
}

void EnsembleReduceAndWrite(benchmark::State& state) {
  Fixture& f = fixture();
  const unsigned threads = std::thread::hardware_concurrency();
  ens::ScenarioRun run{"RCP4.5", 1765, f.model.last_year(), f.model.run_members(f.draws, 0, f.draws.last, threads)};
  testsupport::ScratchDir dir("ensemble_bench");
  for (auto _ : state) {
    const ens::ScenarioStatistics st = ens::reduce(run, f.spec, threads);
    ens::write_percentiles_csv((dir.path() / "percentiles.csv").string(), f.spec, {&st, 1});
    ens::write_members_csv((dir.path() / "members.csv").string(), f.spec, f.draws, {&run, 1}, {&st, 1});
  }
}

// `scenario ensemble` on the defaults (1,000 members, DT = 0.1, to 2100,
// constrained, files and figure written), for one scenario or both.
void ensemble_command(benchmark::State& state, const std::string& ensemble_section) {
  testsupport::ScratchDir dir("ensemble_command");
  const std::string ini = (dir.path() / "settings.ini").string();
  std::ofstream(ini) << "[ensemble]\n" << ensemble_section;
  time_command(state,
               std::string("'") + BIN_DIR + "/scenario' ensemble '" + ini + "' --out '" +
                   (dir.path() / "run").string() + "' >/dev/null",
               "scenario ensemble failed");
}

void EnsembleCommandOneScenario(benchmark::State& state) { ensemble_command(state, "scenarios = reference\n"); }
void EnsembleCommandBothScenarios(benchmark::State& state) { ensemble_command(state, ""); }

}  // namespace

BENCHMARK(EnsembleOneMember)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(EnsembleSimulationOnly)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(EnsembleCheckMembers)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(EnsembleThousandMembers)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(EnsembleReduceAndWrite)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK(EnsembleCommandOneScenario)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(EnsembleCommandBothScenarios)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
