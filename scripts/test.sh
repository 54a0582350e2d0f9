#!/usr/bin/env bash
# Builds the toolkit and runs the whole test suite twice: in a normal
# optimised build and in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer, where any sanitizer report fails the run;
# then runs each fuzz target for a bounded time (scripts/fuzz.sh).
# Every optional dependency is required here, so that no feature goes
# untested.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
run_suite() {
  local dir=$1
  shift
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  ctest --test-dir "$dir" -j"$jobs" --output-on-failure
}

run_suite build/release -DCMAKE_BUILD_TYPE=Release -DTOOLKIT_REQUIRE_OPTIONAL=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  run_suite build/sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOOLKIT_SANITIZE=ON -DTOOLKIT_REQUIRE_OPTIONAL=ON
scripts/fuzz.sh
