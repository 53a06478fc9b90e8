# shellcheck shell=bash
# Sourced by the checks of the package as its users get it
# (check-install.sh, check-deb.sh, check-zip.sh): installing a build tree,
# comparing file listings, and building and running the examples and the
# tutorial's program on an installed tree with find_package and pkg-config.
#
#   source scripts/consumer-lib.sh native|windows BUILD_DIR
#
# Sets mode, build (absolute), root (the sources), work (a scratch folder
# removed on exit: the EXIT trap), failures and start; fail counts a failure.
# A check ends with consumer_summary, which prints the time taken and fails
# when any check did.

mode=${1:?usage: native|windows BUILD_DIR}
case $mode in
native | windows) ;;
*)
  echo "unknown mode $mode (native or windows)" >&2
  return 1
  ;;
esac
build=$(cd "${2:?usage: native|windows BUILD_DIR}" && pwd) || exit 1
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/zt738-consumers.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
start=$SECONDS

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# quiet LOG COMMAND...: runs the command, shows its output only on failure.
quiet() {
  local log=$work/$1.log
  shift
  "$@" >"$log" 2>&1 || {
    cat "$log" >&2
    return 1
  }
}

# consumer_summary WHAT: the closing line; the status says whether all passed.
consumer_summary() {
  echo "$1 ($mode): $((SECONDS - start)) s, $failures failures"
  [ "$failures" -eq 0 ]
}

# install_tree PREFIX: cmake --install of the build tree into PREFIX; sets
# installed to its files (one path a line, relative to PREFIX, sorted).
installed=""
install_tree() {
  quiet install cmake --install "$build" --prefix "$1" || fail "cmake --install failed"
  installed=$(cd "$1" && find . -type f | sed 's|^\./||' | sort)
}

# expect_listing WHAT LISTING PATH...: every path is in the listing (one
# path a line).
expect_listing() {
  local what=$1 listing=$2 path
  shift 2
  for path in "$@"; do
    grep -qx -- "$path" <<<"$listing" || fail "$what lacks $path"
  done
}

# expect_clean WHAT LISTING: nothing of the tests, benchmarks or fuzzers,
# and no header but zt738.h.
expect_clean() {
  local what=$1 listing=$2 extra
  extra=$(grep -Ei 'test|bench|fuzz|gtest|gmock|corpus' <<<"$listing")
  [ -z "$extra" ] || fail "$what holds files of the tests: $extra"
  extra=$(grep -E '\.(h|hpp)$' <<<"$listing" | grep -v 'include/zt738\.h$')
  [ -z "$extra" ] || fail "$what holds headers besides zt738.h: $extra"
}

# The tutorial's files, from docs/tutorial.md: each fenced block that follows
# a line "<!-- file: NAME -->" is written to DIR/NAME.
extract_tutorial() {
  local dir=$1
  mkdir -p "$dir"
  awk -v dir="$dir" '
    /^<!-- file: .* -->$/ { name = $3; next }
    name != "" && /^```/ && !open { open = 1; next }
    open && /^```/ { open = 0; close(dir "/" name); name = ""; next }
    open { print > (dir "/" name) }
  ' "$root/docs/tutorial.md"
  [ -s "$dir/CMakeLists.txt" ] && [ -s "$dir/main.cpp" ] ||
    fail "docs/tutorial.md: no CMakeLists.txt and main.cpp blocks found"
}

# run_quits WHAT RUNNER... PROGRAM: runs a program until it quits by itself
# (the examples read ZT738_EXAMPLE_FRAMES); it must end with status 0.
run_quits() {
  local what=$1 status=0
  shift
  (cd "$work" && ZT738_VIDEO=headless ZT738_EXAMPLE_FRAMES=10 timeout 60 "$@" >"$work/run.log" 2>&1) ||
    status=$?
  [ "$status" -eq 0 ] || {
    cat "$work/run.log" >&2
    fail "$what ended with status $status (124: did not quit within 60 s)"
  }
}

# run_starts WHAT RUNNER... PROGRAM: a program that runs until its user
# quits (the tutorial's) is still running, uncrashed, after 2 s.
run_starts() {
  local what=$1 status=0
  shift
  (cd "$work" && ZT738_VIDEO=headless timeout 2 "$@" >"$work/run.log" 2>&1) || status=$?
  [ "$status" -eq 124 ] || {
    cat "$work/run.log" >&2
    fail "$what ended with status $status within 2 s instead of running"
  }
}

examples=(bouncing_ball word_board)
# A Windows program sees only the Windows tree's .pc files, a native one
# also the system's (FreeType's, say). A MinGW-w64 program links the static
# runtime, so that Wine runs it without the compiler's DLLs.
exe_suffix=""
pkg_config_path=PKG_CONFIG_PATH
compiler=(g++)
cmake_args=()
if [ "$mode" = windows ]; then
  exe_suffix=.exe
  pkg_config_path=PKG_CONFIG_LIBDIR
  compiler=(x86_64-w64-mingw32-g++-posix -static)
  cmake_args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake")
fi

# Runs a program of the mode's kind: a Windows one under Wine, when the
# caller has a Wine prefix and a display; prints why not and fails otherwise.
can_run() {
  [ "$mode" = native ] && return 0
  [ -n "${DISPLAY:-}" ] && [ -n "${WINEPREFIX:-}" ] && return 0
  echo "(no Wine prefix and display: the Windows programs were built, not run)"
  return 1
}
runner=()
# shellcheck disable=SC2034 # read by the checks
[ "$mode" = windows ] && runner=(wine)

# Builds the examples and the tutorial against PREFIX with find_package into
# $work/NAME.
build_with_cmake() {
  local name=$1 prefix=$2
  local args=(-DCMAKE_PREFIX_PATH="$prefix" "${cmake_args[@]}")
  [ "$mode" = windows ] && args+=(-DCMAKE_EXE_LINKER_FLAGS=-static)
  quiet "$name-examples" cmake -S "$prefix/share/doc/zt738/examples" -B "$work/$name/examples" "${args[@]}" &&
    quiet "$name-examples-build" cmake --build "$work/$name/examples" -j2 ||
    fail "the installed examples do not build with find_package ($name)"
  [ -d "$work/tutorial" ] || extract_tutorial "$work/tutorial"
  quiet "$name-tutorial" cmake -S "$work/tutorial" -B "$work/$name/tutorial" "${args[@]}" &&
    quiet "$name-tutorial-build" cmake --build "$work/$name/tutorial" -j2 ||
    fail "the tutorial's program does not build with find_package ($name)"
}

# build_with_pkg_config NAME PREFIX SOURCE...: one compiler command each, its
# flags from pkg-config, into $work/NAME/BASENAME.
build_with_pkg_config() {
  local name=$1 prefix=$2 flags source
  shift 2
  mkdir -p "$work/$name"
  flags=$(env "$pkg_config_path=$prefix/lib/pkgconfig" pkg-config --cflags --libs zt738) ||
    fail "pkg-config does not find zt738 in $prefix"
  for source in "$@"; do
    local program
    program=$work/$name/$(basename "$source" .cpp)$exe_suffix
    # shellcheck disable=SC2086 # the flags are words
    quiet "$name-$(basename "$source")" "${compiler[@]}" -o "$program" "$source" $flags ||
      fail "$(basename "$source") does not build with pkg-config ($name)"
  done
}

# The examples' sources in an installed tree.
example_sources() {
  local example
  for example in "${examples[@]}"; do echo "$1/share/doc/zt738/examples/$example.cpp"; done
}

# A version file: 0.2 is found, a later minor or major release is not.
check_version_file() {
  local prefix=$1 wanted
  for wanted in 0.2 0.3 1.0; do
    mkdir -p "$work/version-$wanted"
    printf 'cmake_minimum_required(VERSION 3.25)\nproject(v LANGUAGES CXX)\nfind_package(ZT738 %s CONFIG REQUIRED)\n' \
      "$wanted" >"$work/version-$wanted/CMakeLists.txt"
    local found=0
    cmake -S "$work/version-$wanted" -B "$work/version-$wanted/build" \
      -DCMAKE_PREFIX_PATH="$prefix" "${cmake_args[@]}" >/dev/null 2>&1 && found=1
    if [ "$wanted" = 0.2 ] && [ $found -eq 0 ]; then fail "find_package(ZT738 0.2) fails"; fi
    if [ "$wanted" != 0.2 ] && [ $found -eq 1 ]; then fail "find_package(ZT738 $wanted) succeeds"; fi
  done
}
