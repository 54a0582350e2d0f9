// What results/ adds to the default chain: `scenario report` (read every
// output file, write global.csv, regional.csv, both netCDF files, the
// sixteen figure scripts, run gnuplot on them, write report.html) on the
// folder of a default run made before timing starts, whole processes. The
// target is under 1 s; compare with chain_bench's whole run.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench_support.h"

namespace fs = std::filesystem;

namespace {

void BM_ResultsOfTheDefaultRun(benchmark::State& state) {
  const fs::path dir = fs::temp_directory_path() / ("results_bench_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string tree = (dir / "tree").string(), run = (dir / "run").string();
  const std::string gen = std::string(BIN_DIR) + "/tesseragen --quiet --vars TEMP --seasons ANN --workdir " +
                          (dir / "work").string() + " " + tree;
  const std::string env = "TESSERA_DATA_ROOT=" + tree + " ";
  if (std::system(gen.c_str()) != 0 ||
      std::system((env + BIN_DIR + "/scenario run --out " + run + " >/dev/null 2>&1").c_str()) != 0) {
    state.SkipWithError("tesseragen or scenario run failed");
    return;
  }
  time_command(state, env + BIN_DIR + "/scenario report " + run + " >/dev/null 2>&1", "scenario report failed");
  fs::remove_all(dir);
}

}  // namespace

BENCHMARK(BM_ResultsOfTheDefaultRun)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5)->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
