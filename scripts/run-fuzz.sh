#!/usr/bin/env bash
# Runs every fuzz target of a TABULIX_FUZZ build for the given seconds each, starting from a
# copy of its seed corpus, so the repository stays untouched. A crash input is kept in
# BUILD_DIR/fuzz-crashes with each target's log; a crash ends the run with failure.
# Usage: scripts/run-fuzz.sh BUILD_DIR SECONDS
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$1
seconds=$2

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$build_dir/fuzz-crashes"
export LC_ALL=C.UTF-8 TZ=UTC QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/fuzz/lsan.supp

for source in tests/fuzz/fuzz_*.cpp; do
  target=$(basename "$source" .cpp)
  mkdir -p "$scratch/$target"
  cp tests/fuzz/corpus/"$target"/* "$scratch/$target/"
  echo "== $target"
  log="$build_dir/fuzz-crashes/$target.log"
  status=0
  "$build_dir/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build_dir/fuzz-crashes/$target-" "$scratch/$target" > "$log" 2>&1 || status=$?
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log" >&2
    echo "$target failed; the input is in $build_dir/fuzz-crashes" >&2
    exit "$status"
  fi
done
