// What the benchmarks of whole programs share: starting a command line once
// per iteration.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

// Runs the shell command once per iteration; a failure stops the benchmark
// with the message `error`.
inline void time_command(benchmark::State& state, const std::string& command, const char* error) {
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) {
      state.SkipWithError(error);
      break;
    }
  }
}
