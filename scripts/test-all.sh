#!/usr/bin/env bash
# Builds everything and runs every test: the native build (and its screen
# driver in a private Xvfb, scripts/screen-tests.sh), the native build
# under AddressSanitizer + UndefinedBehaviorSanitizer, and the Windows build
# (MinGW-w64) under Wine in a virtual X server; then compares the raster
# dumps of the native and Windows builds. Every phase runs even after an
# earlier one failed (unless it needs that one's result), and the run exits
# non-zero when anything failed. Ends with each phase's status and time and
# each build's CTest summary.
#
# After the native and the Windows tests, the consumer checks install each
# build and build the examples and the tutorial's program on the installed
# package (scripts/check-install.sh), and make and check the Debian package
# (scripts/check-deb.sh) and the Windows ZIP (scripts/check-zip.sh).
#
# Two lanes share the machine. The main lane builds the native and the
# Windows trees and runs what waits on X servers and Wine more than it
# computes (the Wine tests, the screen tests). The side lane, started once
# the native build is there and run at a lower priority, takes the work
# that only computes: the native tests, the native consumer checks, the
# sanitizer build and its tests, the fuzzers. The screen tests run beside
# the Wine tests, at the main lane's priority. A lane's output is kept in a
# log and printed, in order, when it ends; ZT738_LANES=off runs the lanes in
# line instead, where they start.
#
# For developers: ZT738_PHASES picks the builds (default "native screen asan
# windows fuzz consumers web"; consumers needs native or windows),
# ZT738_NATIVE_DIR, ZT738_ASAN_DIR and ZT738_WINDOWS_DIR move their build
# directories (defaults: those of the presets, build/native, build/asan,
# build/windows). The native and Windows trees are configured without debug
# information (ZT738_DEBUG_INFO=ON keeps it; the setting stays in the tree).
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

phases=" ${ZT738_PHASES:-native screen asan windows fuzz consumers web} "
native_dir=${ZT738_NATIVE_DIR:-build/native}
asan_dir=${ZT738_ASAN_DIR:-build/asan}
windows_dir=${ZT738_WINDOWS_DIR:-build/windows}
parity_subdir=platform/tests/parity/raster
logs=$(mktemp -d)

summary=()  # one line per phase
failed=0

# --- How a phase runs -------------------------------------------------------

# phase NAME COMMAND...: runs the command, records its status and time.
phase() {
  local name=$1
  shift
  echo
  echo "=== $name ($(date +%T))"
  local start=$SECONDS status=0
  "$@" || status=$?
  local took=$((SECONDS - start))
  local verdict=ok
  if [ "$status" -ne 0 ]; then
    verdict="FAILED (exit $status)"
    failed=1
  fi
  summary+=("$(printf '%-28s %5ds  %s%s' "$name" "$took" "$verdict" "$phase_note")")
  return "$status"
}
phase_note=""  # after each phase's verdict in the summary: the lane it ran in

skipped() {
  summary+=("$(printf '%-28s %6s  %s%s' "$1" "-" "skipped: $2" "$phase_note")")
  failed=1
}

wants() { [[ $phases == *" $1 "* ]]; }

# configure PRESET DIR: the optimised builds without debug information
# (ZT738_DEBUG_INFO=ON keeps it), which the tests do not need.
configure() {
  cmake --preset "$1" -B "$2" -DZT738_DEBUG_INFO="${ZT738_DEBUG_INFO:-OFF}" >"$logs/configure-$1.log" 2>&1 || {
    cat "$logs/configure-$1.log"
    return 1
  }
}

# Builds all it can (make -k) so that a broken target fails the run without
# hiding the results of every test that did build.
build() { configure "$1" "$2" && cmake --build "$2" -j2 -- -k; }

configured() { [ -f "$1/CTestTestfile.cmake" ]; }

# run_tests NAME DIR [SECONDS [JOBS]]: CTest, killed after SECONDS if given
# (0: no limit), JOBS tests at a time (default 1), with its output kept for
# the summary at the end. Old raster dumps go first, so that the comparison
# only sees this run's.
run_tests() {
  local name=$1 dir=$2 limit=${3:-0} jobs=${4:-1}
  rm -rf "${dir:?}/$parity_subdir"
  local runner=()
  [ "$limit" != 0 ] && runner=(timeout --kill-after=15 "$limit")
  "${runner[@]}" ctest --test-dir "$dir" --output-on-failure -j "$jobs" 2>&1 | tee "$logs/ctest-$name.log"
}

# --- Lanes: phases that run beside the others ----------------------------------

declare -A lane_pids=()

# lane_start NAME FUNCTION [NICENESS]: runs FUNCTION, a sequence of phases,
# in the background (in its own process group, so that it can be stopped as
# one; at NICENESS, default 10: below the main lane), its output into a log
# that lane_join prints. ZT738_LANES=off runs it in line instead.
lane_start() {
  local name=$1 function=$2 niceness=${3:-10}
  if [ "${ZT738_LANES:-on}" = off ]; then
    "$function"
    return
  fi
  echo
  echo "=== $name: started beside the next phases ($(date +%T)); its output follows when it ends"
  set -m
  # shellcheck disable=SC2030 # the lane's own summary, handed over in a file
  (
    [ "$niceness" = 0 ] || renice -n "$niceness" -p "$BASHPID" >/dev/null
    summary=()
    failed=0
    phase_note="  ($name)"
    "$function"
    for line in "${summary[@]}"; do echo "$line"; done >"$logs/lane-$name.summary"
    echo "$failed" >"$logs/lane-$name.failed"
  ) </dev/null >"$logs/lane-$name.log" 2>&1 &
  lane_pids[$name]=$!
  set +m
}

# lane_join NAME: waits for the lane, prints its output and adds its phases
# to the summary (a lane that left none failed as a whole).
lane_join() {
  local name=$1 pid=${lane_pids[$1]:-}
  [ -n "$pid" ] || return 0
  local waited=$SECONDS
  wait "$pid"
  unset "lane_pids[$name]"
  echo
  echo "=== $name: ended, after $((SECONDS - waited))s of waiting for it; its output:"
  cat "$logs/lane-$name.log"
  if [ -s "$logs/lane-$name.summary" ]; then
    local lines=()
    mapfile -t lines <"$logs/lane-$name.summary"
    # shellcheck disable=SC2031 # the main lane's summary
    summary+=("${lines[@]}")
  fi
  if [ "$(cat "$logs/lane-$name.failed" 2>/dev/null)" != 0 ]; then
    [ -s "$logs/lane-$name.summary" ] || summary+=("$(printf '%-28s %6s  %s' "$name" "-" "FAILED: ended early")")
    failed=1
  fi
}

# Stops the lanes that still run (on an early exit) and Wine's server and X
# server; the EXIT trap.
stop_all() {
  local pid
  for pid in "${lane_pids[@]}"; do kill -- "-$pid" 2>/dev/null; done
  if declare -F wine_env_stop >/dev/null; then wine_env_stop; fi
  rm -rf "$logs"
}
trap stop_all EXIT
trap 'exit 130' INT TERM

# --- The phases, one block each ----------------------------------------------

phase_native_build() {
  phase "native build" build native "$native_dir" || true
}

phase_native_tests() {
  if configured "$native_dir"; then
    phase "native tests" run_tests native "$native_dir" 0 2 || true
  else
    skipped "native tests" "the build could not be configured"
  fi
}

phase_native_consumers() {
  if configured "$native_dir"; then
    phase "install check (native)" bash scripts/check-install.sh native "$native_dir" || true
    phase "debian package" bash scripts/check-deb.sh "$native_dir" || true
  else
    skipped "install check (native)" "the build could not be configured"
    skipped "debian package" "the build could not be configured"
  fi
}

phase_screen_tests() {
  # The screen driver in a private Xvfb, on the native build.
  if [ -x "$native_dir/platform/tests/screen/input_probe" ]; then
    phase "screen tests" bash scripts/screen-tests.sh "$native_dir" || true
  else
    skipped "screen tests" "the native build is missing (phase native)"
  fi
}

phase_asan() {
  phase "sanitizer build" build asan "$asan_dir" || true
  if configured "$asan_dir"; then
    phase "sanitizer tests" run_tests asan "$asan_dir" 0 2 || true
  else
    skipped "sanitizer tests" "the build could not be configured"
  fi
}

phase_fuzz() {
  # Every fuzz target under libFuzzer: its corpus, then a short mutation
  # time (the script's own defaults unless ZT738_FUZZ_SECONDS is set).
  phase "fuzzers" bash scripts/run-fuzzers.sh || true
}

phase_windows_build() {
  phase "windows build" build windows "$windows_dir" || true
}

phase_wine() {
  if ! configured "$windows_dir"; then
    skipped "wine start" "the build could not be configured"
    skipped "wine tests" "the build could not be configured"
    return
  fi
  # Wine's prefix and X server live for the rest of this script; stop_all
  # stops them, also on failure or interrupt (wine-env.sh sets traps of its
  # own: ours are set again).
  # shellcheck source=scripts/wine-env.sh
  if phase "wine start" source scripts/wine-env.sh "$PWD/$windows_dir/wineprefix"; then
    trap stop_all EXIT
    trap 'exit 130' INT TERM
    # A hung program is killed by its test's timeout; 900 s bound the whole.
    phase "wine tests" run_tests windows "$windows_dir" 900 || true
    if wants consumers; then
      phase "install check (windows)" bash scripts/check-install.sh windows "$windows_dir" || true
      phase "windows zip" bash scripts/check-zip.sh "$windows_dir" || true
    fi
  else
    trap stop_all EXIT
    trap 'exit 130' INT TERM
    skipped "wine tests" "Wine did not start"
  fi
}

phase_raster_parity() {
  # The compare tool belongs to the native build. Each test run removed its
  # build's old dump first, so whatever is there was written by this run.
  local compare="$native_dir/platform/tests/parity/parity_compare"
  if [ -x "$compare" ] && [ -d "$native_dir/$parity_subdir" ] && [ -d "$windows_dir/$parity_subdir" ]; then
    phase "raster parity" "$compare" "$native_dir/$parity_subdir" "$windows_dir/$parity_subdir" || true
  else
    skipped "raster parity" "the compare tool or a build's raster dump is missing"
  fi
}

phase_web() {
  # The pages in headless Chromium (scripts/web-tests.sh builds them first).
  phase "web" bash scripts/web-tests.sh || true
}

# The side lane: what only computes, after the native build.
side_lane() {
  if wants native; then
    phase_native_tests
    wants consumers && phase_native_consumers
  fi
  wants asan && phase_asan
  wants fuzz && phase_fuzz
  return 0
}

# --- The run ---------------------------------------------------------------

phase "install" bash scripts/install-deps.sh || true
phase "format" bash scripts/check-format.sh || true

wants native && phase_native_build
lane_start "side lane" side_lane
wants windows && phase_windows_build
wants screen && lane_start "screen lane" phase_screen_tests 0
wants windows && phase_wine
wants web && phase_web
lane_join "screen lane"
lane_join "side lane"
wants native && wants windows && phase_raster_parity

echo
echo "=== CTest summaries"
for name in native asan windows; do
  log="$logs/ctest-$name.log"
  [ -f "$log" ] || continue
  echo "--- $name"
  sed -n '/tests passed, /,$p' "$log" | grep -v '^$' || echo "(no summary: CTest did not finish)"
done

echo
echo "=== phases"
printf '%s\n' "${summary[@]}"
echo "total                        ${SECONDS}s"

if [ "$failed" -ne 0 ]; then
  echo
  echo "SOME CHECKS FAILED"
  exit 1
fi
echo
echo "all tests passed"
