// tesseraimport on the size of real model output: one model's monthly tas on
// a 1-degree grid (180 x 360) from 1850 to 2100, 3,012 months in one file
// (780 MB of floats), with its pr on a 10-degree grid, imported with the
// default epochs 1961-1990 and 2071-2100 as a whole process. The floors: a
// plain read of the same months of the same file through the netCDF
// library, and nccopy of the whole file. The input is written into a
// temporary folder before timing and removed after.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "importer/cmip_files.h"
#include "netcdf/netcdf_file.h"

namespace fs = std::filesystem;

namespace {

constexpr int FIRST_YEAR = 1850, LAST_YEAR = 2100;
constexpr int MONTHS = (LAST_YEAR - FIRST_YEAR + 1) * 12;

struct Input {
  fs::path dir, tas, manifest;
  Input() {
    dir = fs::temp_directory_path() / ("importer_bench_" + std::to_string(::getpid()));
    fs::create_directories(dir / "cmip");
    for (const char* var : {"tas", "pr"}) {
      cmiptest::FileSpec s;
      s.variable = var;
      s.first_year = FIRST_YEAR;
      s.months = MONTHS;
      s.calendar = "noleap";
      s.units = std::string(var) == "tas" ? "K" : "kg m-2 s-1";
      s.value = std::string(var) == "tas" ? std::function<double(int, int, double, double)>(cmiptest::tas_kelvin)
                                          : [](int y, int m, double la, double lo) {
                                              return cmiptest::pr_mm_day(y, m, la, lo) / 86400.0;
                                            };
      s.path = (dir / "cmip" / cmiptest::cmip_name(var, "BENCH", "historical", FIRST_YEAR, 1, LAST_YEAR, 12)).string();
      cmiptest::write_file(s, std::string(var) == "tas" ? cmiptest::regular(1.0, 1.0, false, 0.5)
                                                        : cmiptest::regular(10.0, 10.0, false, 5.0));
      if (std::string(var) == "tas") tas = s.path;
    }
    manifest = dir / "import.ini";
    std::ofstream(manifest) << "[import]\ntree = tree\n[gc01]\nname = BENCH\nhistorical = cmip\nscenario = cmip\n";
  }
  ~Input() { fs::remove_all(dir); }
};

Input& input() {
  static Input in;
  return in;
}

struct Usage {
  double peak_mb = 0;  // peak resident memory
  double cpu_s = 0;    // user and system time: the machine is shared, wall time is not all ours
};

// Runs a command line as a child process.
Usage run(const std::string& command, benchmark::State& state) {
  const pid_t pid = fork();
  if (pid == 0) {
    execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage use{};
  wait4(pid, &status, 0, &use);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError(("failed: " + command).c_str());
  return {use.ru_maxrss / 1024.0, use.ru_utime.tv_sec + use.ru_stime.tv_sec +
                                     (use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1.0e6};
}

// The months the import reads: December 1960 to December 2100.
constexpr std::size_t FIRST_READ = (1960 - FIRST_YEAR) * 12 + 11, LAST_READ = MONTHS - 1;
constexpr double MB_READ = (LAST_READ - FIRST_READ + 1) * 180.0 * 360.0 * 4 / 1.0e6;

void BM_Import(benchmark::State& state) {
  Input& in = input();
  const std::string cmd = "cd '" + in.dir.string() + "' && '" BIN_DIR "/tesseraimport' run import.ini --quiet > /dev/null";
  Usage use;
  for (auto _ : state) use = run(cmd, state);
  state.counters["peak_MB"] = use.peak_mb;
  state.counters["cpu_s"] = use.cpu_s;
  state.counters["tas_MB_read"] = MB_READ;
  state.counters["tas_MB_per_s"] = benchmark::Counter(MB_READ, benchmark::Counter::kIsIterationInvariantRate);
}

// Floor: the same months read one at a time, nothing else done.
void BM_PlainRead(benchmark::State& state) {
  Input& in = input();
  std::vector<float> month(180 * 360);
  for (auto _ : state) {
    const nc::File f = nc::File::open(in.tas.string());
    const nc::Var v = f.var("tas");
    for (std::size_t t = FIRST_READ; t <= LAST_READ; ++t) v.get({t, 0, 0}, {1, 180, 360}, std::span<float>(month));
    benchmark::DoNotOptimize(month.data());
  }
  state.counters["tas_MB_per_s"] = benchmark::Counter(MB_READ, benchmark::Counter::kIsIterationInvariantRate);
}

// Floor: nccopy of the whole file (all 3,012 months) to a classic file.
void BM_Nccopy(benchmark::State& state) {
  Input& in = input();
  const std::string out = (in.dir / "copy.nc").string();
  const double mb = MONTHS * 180.0 * 360.0 * 4 / 1.0e6;
  for (auto _ : state) run("nccopy -k classic '" + in.tas.string() + "' '" + out + "'", state);
  fs::remove(out);
  state.counters["tas_MB_per_s"] = benchmark::Counter(mb, benchmark::Counter::kIsIterationInvariantRate);
}

}  // namespace

BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);
BENCHMARK(BM_Nccopy)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(2);
BENCHMARK(BM_Import)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);
BENCHMARK_MAIN();
