// Throughput of `scenario sweep` as a user runs it: the four bundled RCPs
// x 1,000 members (DT = 0.1, 1765 to 2100, constrained, files written) in
// one process and on two MPI ranks, as whole processes. The counter is
// simulations per second of wall time; the two should differ by close to
// the number of ranks.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "bench_support.h"
#include "tests/support/scratch_dir.h"

namespace {

constexpr int SIMULATIONS = 4 * 1000;

void SweepProcesses(benchmark::State& state) {
  testsupport::ScratchDir dir("sweep_bench");
  const std::string ini = (dir.path() / "settings.ini").string();
  std::ofstream(ini) << "[ensemble]\nmembers = 1000\n[sweep]\nscenarios = RCP2.6, RCP4.5, RCP6.0, RCP8.5\n";
  const std::string launcher =
      state.range(0) == 1 ? ""
                          : "mpirun --allow-run-as-root --oversubscribe -n " + std::to_string(state.range(0)) + " ";
  time_command(state,
               launcher + BIN_DIR "/scenario sweep " + ini + " --out " + (dir.path() / "out").string() + " >/dev/null",
               "scenario sweep failed");
  state.counters["simulations_per_s"] = benchmark::Counter(SIMULATIONS, benchmark::Counter::kIsIterationInvariantRate);
}

}  // namespace

BENCHMARK(SweepProcesses)->ArgName("ranks")->Arg(1)->Arg(2)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(3);

BENCHMARK_MAIN();
