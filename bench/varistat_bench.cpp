// varistat's largest run: all 17 catalogue models in definition mode 3 (34
// cases, 136 grid-field files read, twelve files written), whole globe.
// BM_VaristatRun times one whole run in-process; BM_VaristatProgram starts
// the built program as a user would. Target: under 100 ms wall on 2 cores.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench_support.h"
#include "engines/common/catalogue.h"
#include "engines/varistat/run.h"
#include "tests/support/scratch_dir.h"

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
    const fs::path out = base_.path() / "data" / "TRELLIS5" / "OUT";
    fs::create_directories(out);
    for (int m = 1; m <= eng::NCATALOGUE; ++m)
      for (char d : {'1', '2', '3', '4', '5', '6'}) write_field(out, m, d, d - '0');
    std::ofstream shell("SHELL.CFG", std::ios::binary);
    shell << "benchmark: whole globe, 17 models, both definitions\n"
          << "     -90.00\n      90.00\n    -180.00\n     180.00\n          0\n       L\n"
          << "          1\n         17\n          1\n          1\n          1\n          0\n"
          << "       2050\n         17\n          3\n";
    for (int m = 1; m <= eng::NCATALOGUE; ++m) shell << " " << std::string(9 - (m > 9), ' ') << m << "\n";
    std::ofstream tsu("TSU.DR", std::ios::binary);
    for (int k = 0; k < 6; ++k) tsu << " weights header\n";
    tsu << "  2050    1.5000   -0.1000   -0.2000   -0.0500    1.3000\n";
    setenv("TESSERA_DATA_ROOT", (base_.path() / "data").c_str(), 1);
  }

 private:
  testsupport::ScratchDir base_{"varistat_bench"};
  testsupport::WorkingDir work_{base_.path() / "work"};
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
  time_command(state, std::string("'") + BIN_DIR + "/varistat' >/dev/null", "varistat failed");
}
BENCHMARK(BM_VaristatProgram)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
