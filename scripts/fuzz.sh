#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/) with clang's libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer, and runs each for a bounded time
# (FUZZ_SECONDS, default 25) from its committed corpus (fuzz/corpus/<target>/),
# printing the executions per second and the coverage it reached. A crash,
# a sanitizer report or a leak fails the script; libFuzzer leaves the input
# that did it in build/fuzz/<target>-crash-* (add it to the corpus with the
# fix, and a regression test).
#
#   scripts/fuzz.sh                   # every target
#   scripts/fuzz.sh settings_file     # one target
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-25}
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(record_reader orvtar_config settings_file)

build=build/fuzz
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTOOLKIT_FUZZ=ON -DTOOLKIT_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/%/_fuzz}"

# Absolute paths: the targets work in a scratch directory of their own.
for t in "${targets[@]}"; do
  found=$(mktemp -d)  # new inputs go here; the committed corpus stays as it is
  log="$build/$t.log"
  if ! "$build/bin/${t}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
       -artifact_prefix="$PWD/$build/$t-" "$found" "$PWD/fuzz/corpus/$t" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz: $t FAILED (log $log)" >&2
    rm -rf "$found"
    exit 1
  fi
  rm -rf "$found"
  done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1)
  echo "fuzz: $t: $done_line"
done
