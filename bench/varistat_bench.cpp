// varistat's largest run: all 17 catalogue models in definition mode 3 (34
// cases, 136 grid-field files read, twelve files written), whole globe.
// BM_VaristatRun times one whole run in-process; BM_VaristatProgram starts
// the built program as a user would. Target: under 100 ms wall on 2 cores.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "engines/common/catalogue.h"
#include "engines/varistat/run.h"

namespace {

namespace fs = std::filesystem;

// A grid-field file of smooth, model-dependent values (hundredths).
void write_field(const fs::path& dir, int m, char digit, int salt) {
  std::ofstream f(dir / (std::string(eng::MODLAB[m]) + "." + digit + "TQ"), std::ios::binary);
  f << "BENCH\n";
  char buf[8];
  for (int n = 0; n < 2592; ++n) {
    const int i = n / 72 + 1, j = n % 72 + 1;
    const int v = digit == '4' ? 20 + (i * j * m + salt) % 90
                               : (i * (13 + m) + j * (7 + salt) + 31 * m) % 400 - 150;
    std::snprintf(buf, sizeof buf, "%6d", v);
    f << buf;
    if ((n + 1) % 16 == 0) f << "\n";
  }
}

// The data tree and working directory of the run, made once per process.
class BenchTree {
 public:
  BenchTree() {
    base_ = fs::temp_directory_path() / ("varistat_bench_" + std::to_string(::getpid()));
    const fs::path out = base_ / "data" / "TRELLIS5" / "OUT";
    fs::create_directories(out);
    fs::create_directories(base_ / "work");
    for (int m = 1; m <= eng::NCATALOGUE; ++m)
      for (char d : {'1', '2', '3', '4', '5', '6'}) write_field(out, m, d, d - '0');
    std::ofstream shell(base_ / "work" / "SHELL.CFG", std::ios::binary);
    shell << "benchmark: whole globe, 17 models, both definitions\n"
          << "     -90.00\n      90.00\n    -180.00\n     180.00\n          0\n       L\n"
          << "          1\n         17\n          1\n          1\n          1\n          0\n"
          << "       2050\n         17\n          3\n";
    for (int m = 1; m <= eng::NCATALOGUE; ++m) shell << " " << std::string(9 - (m > 9), ' ') << m << "\n";
    std::ofstream tsu(base_ / "work" / "TSU.DR", std::ios::binary);
    for (int k = 0; k < 6; ++k) tsu << " weights header\n";
    tsu << "  2050    1.5000   -0.1000   -0.2000   -0.0500    1.3000\n";
    setenv("TESSERA_DATA_ROOT", (base_ / "data").c_str(), 1);
    old_ = fs::current_path();
    fs::current_path(base_ / "work");
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

void BM_VaristatRun(benchmark::State& state) {
  tree();
  for (auto _ : state) vs::run();
}
BENCHMARK(BM_VaristatRun)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_VaristatProgram(benchmark::State& state) {
  tree();
  const std::string cmd = std::string("'") + BIN_DIR + "/varistat' >/dev/null";
  for (auto _ : state) {
    if (std::system(cmd.c_str()) != 0) {
      state.SkipWithError("varistat failed");
      break;
    }
  }
}
BENCHMARK(BM_VaristatProgram)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
