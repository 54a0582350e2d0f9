// The default chain as a user runs it, whole processes: two twenty-simulation
// climate-model runs to 2100, then crossmod and varistat for each scenario,
// on a model-data tree made before timing starts.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench_support.h"

namespace fs = std::filesystem;

namespace {

void BM_DefaultChain(benchmark::State& state) {
  fs::path dir = fs::temp_directory_path() / ("chain_bench_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::string tree = (dir / "tree").string();
  std::string gen = std::string(BIN_DIR) + "/tesseragen --quiet --vars TEMP --seasons ANN --workdir " +
                    (dir / "work").string() + " " + tree;
  if (std::system(gen.c_str()) != 0) {
    state.SkipWithError("tesseragen failed");
    return;
  }
  std::string cmd = "TESSERA_DATA_ROOT=" + tree + " " + BIN_DIR + "/scenario run --out " + (dir / "run").string() +
                    " >/dev/null 2>&1";
  time_command(state, cmd, "scenario run failed");
  fs::remove_all(dir);
}

}  // namespace

BENCHMARK(BM_DefaultChain)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5)->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
