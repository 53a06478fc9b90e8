#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time on
# a copy of its seed corpus. Fails on any crash, hang, leak or sanitizer
# report. ZT738_FUZZ_BUILD picks the build directory (default build/fuzz),
# ZT738_FUZZ_SECONDS the time per target (default 30 for the two file
# readers, 20 for the four layer and package targets, so that the test
# command stays short; when set, it applies to every target).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${ZT738_FUZZ_BUILD:-build/fuzz}
# The targets never show windows: the headless driver. fontconfig keeps its
# configuration for the life of the process: not a leak of ours.
export ZT738_VIDEO=headless
export LSAN_OPTIONS="suppressions=$PWD/cmake/lsan.supp:print_suppressions=0"
targets=(script_reader drawing_reader dialog_template text gdi package)
declare -A default_seconds=([script_reader]=30 [drawing_reader]=30)

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DZT738_FUZZ=ON -DZT738_TESTS=OFF -DZT738_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

for target in "${targets[@]}"; do
  seconds=${ZT738_FUZZ_SECONDS:-${default_seconds[$target]:-20}}
  # Absolute: the package target works in a scratch folder of its own.
  work="$PWD/$build/runs/$target"
  rm -rf "$work"
  mkdir -p "$work/corpus"
  cp fuzz/corpus/"$target"/* "$work/corpus/"
  echo "=== fuzz_$target: ${seconds}s"
  if ! "$build/fuzz/fuzz_$target" "$work/corpus" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/" >"$work/log" 2>&1; then
    tail -n 60 "$work/log"
    echo "fuzz_$target FAILED; inputs in $work/"
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log")
  echo "fuzz_$target: $runs executions, $speed per second, no findings"
done
echo "all fuzzers passed"
