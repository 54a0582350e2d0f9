// crossmod's largest run: all 17 catalogue models in definition mode 3 (34
// cases), precipitation with exponential scaling, a mask area, on the
// synthetic data tree of tesseragen (34 change files read twice, 17
// baselines, the observed field and the aerosol patterns; 27 files written).
// BM_CrossmodProgram starts the built program as a user would (the target:
// under 100 ms wall on 2 cores) and reports the program's own CPU time;
// BM_CrossmodRun times the same run in-process.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "engines/crossmod/run.h"

namespace {

namespace fs = std::filesystem;

// The data tree and working directory of the run, made once per process.
class BenchTree {
 public:
  BenchTree() {
    base_ = fs::temp_directory_path() / ("crossmod_bench_" + std::to_string(::getpid()));
    fs::remove_all(base_);
    const std::string gen = std::string("'") + BIN_DIR + "/tesseragen' --quiet --vars PRECIP --seasons ANN '" +
                            base_.string() + "'";
    if (std::system(gen.c_str()) != 0) throw std::runtime_error("tesseragen failed: " + gen);
    const fs::path work = base_ / "WORK";  // weights files and masks
    std::ofstream extra(work / "EXTRA.CFG", std::ios::binary);
    extra << "benchmark\n       1.00   THRESH\n NEW          OBSSET\n          0   IBOTH\n";
    std::ofstream shell(work / "SHELL.CFG", std::ios::binary);
    shell << "benchmark: land mask, 17 models, both definitions, exponential precipitation\n"
          << "     -90.00\n      90.00\n    -180.00\n     180.00\n          1\n       L\n"
          << "          2\n         17\n          2\n          1\n          1\n          1\n"
          << "       2050\n         17\n          3\n";
    for (int m = 1; m <= 17; ++m) shell << " " << std::string(m > 9 ? 8 : 9, ' ') << m << "\n";
    shell.close();
    setenv("TESSERA_DATA_ROOT", base_.c_str(), 1);
    old_ = fs::current_path();
    fs::current_path(work);
  }
  ~BenchTree() {
    fs::current_path(old_);
    fs::remove_all(base_);
  }

 private:
  fs::path base_, old_;
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
  const std::string cmd = std::string("'") + BIN_DIR + "/crossmod' >/dev/null";
  const double cpu0 = children_cpu_seconds();
  for (auto _ : state) {
    if (std::system(cmd.c_str()) != 0) {
      state.SkipWithError("crossmod failed");
      break;
    }
  }
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
