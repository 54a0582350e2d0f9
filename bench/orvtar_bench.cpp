// Speed of a full orvtar run: twenty simulations to 2100 with DT = 0.1 on
// the end-to-end test inputs. OrvtarProcess times the whole program as a
// user runs it (target: under 30 ms wall on two cores); the in-process
// benchmarks split that time into reading the inputs, the physics of the
// twenty simulations one after the other (the serial floor) and on the
// run's worker threads, and the whole run with the report, display and
// drive files.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "orvtar/control/run_driver.h"
#include "orvtar/control/simulation.h"
#include "orvtar/control/simulation_pool.h"
#include "orvtar/control/startup.h"
#include "orvtar/physics/state.h"
#include "records/record_io.h"
#include "tests/support/scratch_dir.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A working directory holding the test inputs as they are: twenty
// simulations, DT = 0.1, last year 2100.
class BenchDir {
 public:
  BenchDir() { testsupport::copy_files(fs::path(TEST_DATA_DIR) / "orvtar" / "e2e", dir_.path()); }

 private:
  testsupport::ScratchDir dir_{"orvtar_bench"};
  testsupport::WorkingDir cwd_{dir_.path()};
};

void OrvtarProcess(benchmark::State& state) {
  BenchDir dir;
  const std::string exe = std::string(BIN_DIR) + "/orvtar";
  char* argv[] = {const_cast<char*>(exe.c_str()), nullptr};
  for (auto _ : state) {
    pid_t pid = 0;
    if (posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, environ) != 0)
      throw std::runtime_error("cannot start " + exe);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("orvtar failed");
  }
}

// The start-up of a run in the working directory: configuration and inputs.
std::unique_ptr<orv::OrvState> started() {
  auto s = std::make_unique<orv::OrvState>();
  rec::Unit report;
  orv::startup(*s, report);
  return s;
}

void OrvtarReadInputs(benchmark::State& state) {
  BenchDir dir;
  for (auto _ : state) benchmark::DoNotOptimize(started()->SO2TOT[336]);
}

// The twenty simulations one after the other on one thread, the further
// SO2 cases from their set's history held before 1990 as the run does:
// the serial floor of the physics.
void OrvtarReadInputsAndPhysics(benchmark::State& state) {
  BenchDir dir;
  for (auto _ : state) {
    auto s = started();
    orv::prepare_run(*s);
    auto sim = std::make_unique<orv::OrvState>();
    std::vector<orv::SharedHistory> shared(4);
    for (int NSIM = 1; NSIM <= s->NSIMS; ++NSIM) {
      const auto [set, so2] = orv::simulation_case(NSIM, s->IRUNMODE);
      auto& h = shared[static_cast<std::size_t>(static_cast<int>(set) - 1)];
      if (NSIM <= 4)
        h = orv::simulate_full_so2(*sim, *s, set, NSIM);
      else
        orv::simulate_further_case(*sim, *s, h, set, so2, NSIM);
    }
    benchmark::DoNotOptimize(sim->TEMP[336]);
  }
}

// The same with every simulation run from 1765: what holding the history
// saves.
void OrvtarReadInputsAndPhysicsEachFrom1765(benchmark::State& state) {
  BenchDir dir;
  for (auto _ : state) {
    auto s = started();
    orv::prepare_run(*s);
    for (int NSIM = 1; NSIM <= s->NSIMS; ++NSIM) {
      const auto [set, so2] = orv::simulation_case(NSIM, s->IRUNMODE);
      orv::run_simulation(*s, set, so2, NSIM);
    }
    benchmark::DoNotOptimize(s->TEMP[336]);
  }
}

// The same simulations on the run's worker threads, as orvtar runs them.
void OrvtarReadInputsAndPooledPhysics(benchmark::State& state) {
  BenchDir dir;
  for (auto _ : state) {
    auto s = started();
    orv::prepare_run(*s);
    orv::SimulationPool pool(*s, orv::worker_count(s->NSIMS));
    for (int NSIM = 1; NSIM <= s->NSIMS; ++NSIM) benchmark::DoNotOptimize(pool.take(NSIM)->TEMP[336]);
  }
}

void OrvtarWholeRunInProcess(benchmark::State& state) {
  BenchDir dir;
  for (auto _ : state) orv::run();
}

}  // namespace

BENCHMARK(OrvtarProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(OrvtarReadInputs)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(OrvtarReadInputsAndPhysics)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(OrvtarReadInputsAndPhysicsEachFrom1765)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(OrvtarReadInputsAndPooledPhysics)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(OrvtarWholeRunInProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(7)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
