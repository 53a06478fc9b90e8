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
# build, build the examples and the tutorial's program on the installed
# package (find_package and pkg-config), run them, and make and check the
# Debian package and the Windows ZIP (scripts/check-consumers.sh).
#
# For developers: ZT738_PHASES picks the builds (default "native screen asan
# windows fuzz consumers web"; consumers needs native or windows),
# ZT738_NATIVE_DIR, ZT738_ASAN_DIR and ZT738_WINDOWS_DIR move their build
# directories (defaults: those of the presets, build/native, build/asan,
# build/windows).
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
  summary+=("$(printf '%-28s %5ds  %s' "$name" "$took" "$verdict")")
  return "$status"
}

skipped() {
  summary+=("$(printf '%-28s %6s  %s' "$1" "-" "skipped: $2")")
  failed=1
}

wants() { [[ $phases == *" $1 "* ]]; }

configure() {  # configure PRESET DIR
  cmake --preset "$1" -B "$2" >"$logs/configure-$1.log" 2>&1 || {
    cat "$logs/configure-$1.log"
    return 1
  }
}

# Builds all it can (make -k) so that a broken target fails the run without
# hiding the results of every test that did build.
build() { configure "$1" "$2" && cmake --build "$2" -j2 -- -k; }

configured() { [ -f "$1/CTestTestfile.cmake" ]; }

# run_tests NAME DIR [SECONDS]: CTest, killed after SECONDS if given, with its
# output kept for the summary at the end. Old raster dumps go first, so that
# the comparison only sees this run's.
run_tests() {
  local name=$1 dir=$2 limit=${3:-}
  rm -rf "${dir:?}/$parity_subdir"
  local runner=()
  [ -n "$limit" ] && runner=(timeout --kill-after=15 "$limit")
  "${runner[@]}" ctest --test-dir "$dir" --output-on-failure 2>&1 | tee "$logs/ctest-$name.log"
}

phase "install" bash scripts/install-deps.sh || true
phase "format" bash scripts/check-format.sh || true

if wants native; then
  phase "native build" build native "$native_dir" || true
  if configured "$native_dir"; then
    phase "native tests" run_tests native "$native_dir" || true
  else
    skipped "native tests" "the build could not be configured"
  fi
  if wants consumers; then
    if configured "$native_dir"; then
      phase "install and consumers" bash scripts/check-consumers.sh native "$native_dir" || true
    else
      skipped "install and consumers" "the build could not be configured"
    fi
  fi
fi

if wants screen; then
  # The screen driver in a private Xvfb, on the native build.
  if [ -x "$native_dir/platform/tests/screen/input_probe" ]; then
    phase "screen tests" bash scripts/screen-tests.sh "$native_dir" || true
  else
    skipped "screen tests" "the native build is missing (phase native)"
  fi
fi

if wants asan; then
  phase "sanitizer build" build asan "$asan_dir" || true
  if configured "$asan_dir"; then
    phase "sanitizer tests" run_tests asan "$asan_dir" || true
  else
    skipped "sanitizer tests" "the build could not be configured"
  fi
fi

if wants windows; then
  phase "windows build" build windows "$windows_dir" || true
  if configured "$windows_dir"; then
    # Wine's prefix and X server live for the rest of this script; the EXIT
    # trap that wine-env.sh sets stops them, also on failure or interrupt.
    # shellcheck source=scripts/wine-env.sh
    if phase "wine start" source scripts/wine-env.sh "$PWD/$windows_dir/wineprefix"; then
      # A hung program is killed by its test's timeout; 900 s bound the whole.
      phase "wine tests" run_tests windows "$windows_dir" 900 || true
      if wants consumers; then
        phase "windows zip and consumers" bash scripts/check-consumers.sh windows "$windows_dir" || true
      fi
    else
      skipped "wine tests" "Wine did not start"
    fi
  else
    skipped "wine start" "the build could not be configured"
    skipped "wine tests" "the build could not be configured"
  fi
fi

if wants fuzz; then
  # Every fuzz target under libFuzzer, a bounded time each (the script's own
  # defaults unless ZT738_FUZZ_SECONDS is set).
  phase "fuzzers" bash scripts/run-fuzzers.sh || true
fi

if wants web; then
  # The pages in headless Chromium (scripts/web-tests.sh).
  phase "web" bash scripts/web-tests.sh || true
fi

if wants native && wants windows; then
  # The compare tool belongs to the native build. Each test run removed its
  # build's old dump first, so whatever is there was written by this run.
  compare="$native_dir/platform/tests/parity/parity_compare"
  if [ -x "$compare" ] && [ -d "$native_dir/$parity_subdir" ] && [ -d "$windows_dir/$parity_subdir" ]; then
    phase "raster parity" "$compare" "$native_dir/$parity_subdir" "$windows_dir/$parity_subdir" || true
  else
    skipped "raster parity" "the compare tool or a build's raster dump is missing"
  fi
fi

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
rm -rf "$logs"

if [ "$failed" -ne 0 ]; then
  echo
  echo "SOME CHECKS FAILED"
  exit 1
fi
echo
echo "all tests passed"
