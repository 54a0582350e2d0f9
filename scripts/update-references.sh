#!/usr/bin/env bash
# Rewrites the stored reference outputs (tests/data/reference/) from the
# current programs: builds them, runs every reference test in update mode
# and shows what changed. Review the diff before committing it: a changed
# number there is a changed result of the programs.
#
#   scripts/update-references.sh            # every program
#   scripts/update-references.sh orvtar     # one program
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A tests=(
  [orvtar]=orvtar_control_reference_runs_test
  [crossmod]=engines_crossmod_reference_runs_test
  [varistat]=engines_varistat_reference_runs_test
)
programs=("$@")
[ ${#programs[@]} -gt 0 ] || programs=("${!tests[@]}")
targets=()
for p in "${programs[@]}"; do
  [ -n "${tests[$p]:-}" ] || { echo "update-references: unknown program '$p' (one of: ${!tests[*]})" >&2; exit 2; }
  targets+=("${tests[$p]}")
done

build=build/release
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target orvtar crossmod varistat tesseragen "${targets[@]}"
for t in "${targets[@]}"; do
  UPDATE_REFERENCES=1 "$build/tests/$t" --gtest_brief=1
done
# The comparison run: the stored files must now pass as they are.
for t in "${targets[@]}"; do
  "$build/tests/$t" --gtest_brief=1
done

git status --short -- tests/data/reference
git diff --stat -- tests/data/reference
echo "update-references: review 'git diff tests/data/reference' before committing"
