// crossmod's largest run: all 17 catalogue models in definition mode 3 (34
// cases), precipitation with exponential scaling, a mask area, on the
// synthetic data tree of tesseragen (34 change files read twice, 17
// baselines, the observed field and the aerosol patterns; 27 files written).
// BM_CrossmodProgram starts the built program as a user would (the target:
// under 100 ms wall on 2 cores) and reports the program's own CPU time;
// BM_CrossmodRun times the same run in-process.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

#include "bench_support.h"
#include "engines/crossmod/run.h"
#include "tests/support/scratch_dir.h"

namespace {

// The data tree and working directory of the run, made once per process.
class BenchTree {
 public:
  BenchTree() {
    const std::string gen = std::string("'") + BIN_DIR + "/tesseragen' --quiet --vars PRECIP --seasons ANN '" +
                            base_.path().string() + "'";
    if (std::system(gen.c_str()) != 0) throw std::runtime_error("tesseragen failed: " + gen);
    std::ofstream extra("EXTRA.CFG", std::ios::binary);
    extra << "benchmark\n       1.00   THRESH\n NEW          OBSSET\n          0   IBOTH\n";
    std::ofstream shell("SHELL.CFG", std::ios::binary);
    shell << "benchmark: land mask, 17 models, both definitions, exponential precipitation\n"
          << "     -90.00\n      90.00\n    -180.00\n     180.00\n          1\n       L\n"
          << "          2\n         17\n          2\n          1\n          1\n          1\n"
          << "       2050\n         17\n          3\n";
    for (int m = 1; m <= 17; ++m) shell << " " << std::string(m > 9 ? 8 : 9, ' ') << m << "\n";
    setenv("TESSERA_DATA_ROOT", base_.path().c_str(), 1);
  }

 private:
  testsupport::ScratchDir base_{"crossmod_bench"};
  testsupport::WorkingDir work_{base_.path() / "WORK"};  // weights files and masks
};

const BenchTree& tree() {
  static const BenchTree t;
  return t;
}

double children_cpu_seconds() {
  rusage u{};
  getrusage(RUSAGE_CHILDREN, &u);
  return u.ru_utime.tv_sec + u.ru_stime.tv_sec + 1e-6 * (u.ru_utime.tv_usec + u.ru_stime.tv_usec);
}

void BM_CrossmodProgram(benchmark::State& state) {
  tree();
  const double cpu0 = children_cpu_seconds();
  time_command(state, std::string("'") + BIN_DIR + "/crossmod' >/dev/null", "crossmod failed");
  // CPU time of the program itself (and of the shell that starts it).
  state.counters["program_cpu_ms"] =
      benchmark::Counter(1e3 * (children_cpu_seconds() - cpu0) / state.iterations());
}
BENCHMARK(BM_CrossmodProgram)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CrossmodRun(benchmark::State& state) {
  tree();
  for (auto _ : state) xm::run();
}
BENCHMARK(BM_CrossmodRun)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
