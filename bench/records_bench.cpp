// Writing and reading back one million reals as rows of
// "(1X,F6.1,'   ',72F7.2)" records, next to snprintf("%7.2f") for the same
// fields. Reported as fields per second.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "records/record_io.h"

namespace {

constexpr int kRows = 1000000 / 73 + 1;

std::vector<double> row_values(int r) {
  std::vector<double> v(72);
  for (int k = 0; k < 72; ++k) v[k] = ((r * 72 + k) % 50000) * 0.0137 - 300.0;
  return v;
}

void BM_WriteRecords(benchmark::State& state) {
  std::vector<double> v = row_values(7);
  std::string path = "/tmp/records_bench_" + std::to_string(::getpid()) + ".txt";
  for (auto _ : state) {
    rec::Unit u(path, rec::Status::Unknown);
    for (int r = 0; r < kRows; ++r) {
      v[0] = r * 0.01;
      u.write("(1X,F6.1,'   ',72F7.2)", {1990.0 + r % 100, v});
    }
  }
  state.SetItemsProcessed(state.iterations() * kRows * 73);
  std::remove(path.c_str());
}

void BM_ReadRecords(benchmark::State& state) {
  std::string path = "/tmp/records_bench_read_" + std::to_string(::getpid()) + ".txt";
  {
    rec::Unit u(path, rec::Status::Unknown);
    for (int r = 0; r < kRows; ++r) u.write("(1X,F6.1,'   ',72F7.2)", {1990.0, row_values(r)});
  }
  double year = 0;
  std::vector<double> v(72);
  for (auto _ : state) {
    rec::Unit u(path, rec::Status::Old);
    for (int r = 0; r < kRows; ++r) u.read("(1X,F6.1,'   ',72F7.2)", {year, v});
    benchmark::DoNotOptimize(v.data());
  }
  state.SetItemsProcessed(state.iterations() * kRows * 73);
  std::remove(path.c_str());
}

void BM_SnprintfFields(benchmark::State& state) {
  std::vector<double> v = row_values(7);
  std::string path = "/tmp/records_bench_printf_" + std::to_string(::getpid()) + ".txt";
  for (auto _ : state) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    char line[600];
    for (int r = 0; r < kRows; ++r) {
      v[0] = r * 0.01;
      int n = std::snprintf(line, sizeof line, " %6.1f   ", 1990.0 + r % 100);
      for (int k = 0; k < 72; ++k) n += std::snprintf(line + n, sizeof line - n, "%7.2f", v[k]);
      line[n++] = '\r';
      line[n++] = '\n';
      std::fwrite(line, 1, n, f);
    }
    std::fclose(f);
  }
  state.SetItemsProcessed(state.iterations() * kRows * 73);
  std::remove(path.c_str());
}

}  // namespace

BENCHMARK(BM_WriteRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SnprintfFields)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRecords)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
