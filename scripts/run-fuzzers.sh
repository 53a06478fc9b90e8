#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each on a copy of its seed
# corpus: every input of the corpus once, then mutations for a bounded time.
# Fails on any crash, hang, leak or sanitizer report. ZT738_FUZZ_BUILD picks
# the build directory (default build/fuzz), ZT738_FUZZ_SECONDS the mutation
# time per target (default 5: the test command's short run, which keeps every
# target working; a campaign sets hours).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${ZT738_FUZZ_BUILD:-build/fuzz}
# The targets never show windows: the headless driver. fontconfig keeps its
# configuration for the life of the process: not a leak of ours.
export ZT738_VIDEO=headless
export LSAN_OPTIONS="suppressions=$PWD/cmake/lsan.supp:print_suppressions=0"
targets=(script_reader drawing_reader dialog_template text gdi package)

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DZT738_FUZZ=ON -DZT738_TESTS=OFF -DZT738_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

for target in "${targets[@]}"; do
  seconds=${ZT738_FUZZ_SECONDS:-5}
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
