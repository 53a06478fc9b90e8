#!/usr/bin/env bash
# Checks the package as its users get it: installs a build tree into a fresh
# prefix, builds the examples and the tutorial's program against it with
# find_package and with pkg-config, runs them headless until they quit by
# themselves, and makes and checks the Debian package (native) or the ZIP
# (Windows).
#
#   check-consumers.sh native BUILD_DIR    # a built native tree
#   check-consumers.sh windows BUILD_DIR   # a built Windows tree; runs the
#                                          # programs under Wine when DISPLAY
#                                          # and WINEPREFIX are set
#
# Prints the sizes of the installed tree and of the package, and the time
# taken. Exits non-zero when any check fails.
set -uo pipefail

mode=${1:?usage: check-consumers.sh native|windows BUILD_DIR}
build=$(cd "${2:?usage: check-consumers.sh native|windows BUILD_DIR}" && pwd) || exit 1
root=$(cd "$(dirname "$0")/.." && pwd)
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
# also the system's (FreeType's, say).
exe_suffix=""
pkg_config_path=PKG_CONFIG_PATH
if [ "$mode" = windows ]; then
  exe_suffix=.exe
  pkg_config_path=PKG_CONFIG_LIBDIR
fi

# Builds the examples and the tutorial against PREFIX with find_package
# (extra cmake arguments after PREFIX) into $work/NAME.
build_with_cmake() {
  local name=$1 prefix=$2
  shift 2
  quiet "$name-examples" cmake -S "$prefix/share/doc/zt738/examples" -B "$work/$name/examples" \
    -DCMAKE_PREFIX_PATH="$prefix" "$@" &&
    quiet "$name-examples-build" cmake --build "$work/$name/examples" -j2 ||
    fail "the installed examples do not build with find_package ($name)"
  quiet "$name-tutorial" cmake -S "$work/tutorial" -B "$work/$name/tutorial" \
    -DCMAKE_PREFIX_PATH="$prefix" "$@" &&
    quiet "$name-tutorial-build" cmake --build "$work/$name/tutorial" -j2 ||
    fail "the tutorial's program does not build with find_package ($name)"
}

# Builds the examples and the tutorial with one compiler command each, its
# flags from pkg-config, into $work/NAME.
build_with_pkg_config() {
  local name=$1 prefix=$2 compiler=$3 flags
  shift 3
  mkdir -p "$work/$name"
  flags=$(env "$pkg_config_path=$prefix/lib/pkgconfig" pkg-config --cflags --libs zt738) ||
    fail "pkg-config does not find zt738 in $prefix"
  local sources=("${examples[@]/#/$prefix/share/doc/zt738/examples/}")
  for source in "${sources[@]/%/.cpp}" "$work/tutorial/main.cpp" "$root/packaging/tests/everyday_names.cpp"; do
    local program
    program=$work/$name/$(basename "$source" .cpp)$exe_suffix
    # shellcheck disable=SC2086 # the flags are words
    quiet "$name-$(basename "$source")" "$compiler" "$@" -o "$program" "$source" $flags ||
      fail "$(basename "$source") does not build with pkg-config ($name)"
  done
}

# A version file: 0.2 is found, a later minor or major release is not.
check_version_file() {
  local prefix=$1 wanted
  shift
  for wanted in 0.2 0.3 1.0; do
    mkdir -p "$work/version-$wanted"
    printf 'cmake_minimum_required(VERSION 3.25)\nproject(v LANGUAGES CXX)\nfind_package(ZT738 %s CONFIG REQUIRED)\n' \
      "$wanted" >"$work/version-$wanted/CMakeLists.txt"
    local found=0
    cmake -S "$work/version-$wanted" -B "$work/version-$wanted/build" \
      -DCMAKE_PREFIX_PATH="$prefix" "$@" >/dev/null 2>&1 && found=1
    if [ "$wanted" = 0.2 ] && [ $found -eq 0 ]; then fail "find_package(ZT738 0.2) fails"; fi
    if [ "$wanted" != 0.2 ] && [ $found -eq 1 ]; then fail "find_package(ZT738 $wanted) succeeds"; fi
  done
}

extract_tutorial "$work/tutorial"
prefix=$work/prefix
quiet install cmake --install "$build" --prefix "$prefix" || fail "cmake --install failed"
installed=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
expect_clean "the installed tree" "$installed"
"$root/scripts/check-symbols.sh" "$mode" "$prefix"/lib/libzt738*.a || fail "the installed libraries define names that are not public"
echo "installed tree: $(du -sk "$prefix" | cut -f1) KiB, $(wc -l <<<"$installed") files"

case $mode in
native)
  expect_listing "the installed tree" "$installed" \
    include/zt738.h lib/libzt738.a lib/libzt738_winmain.a lib/libzt738_entry.a lib/libzt738_win32.a \
    lib/cmake/ZT738/ZT738Config.cmake lib/cmake/ZT738/ZT738ConfigVersion.cmake \
    lib/pkgconfig/zt738.pc bin/zt738-editor bin/zt738-replay bin/zt738-grade share/doc/zt738/LICENSE share/doc/zt738/README.md
  check_version_file "$prefix"
  build_with_cmake cmake "$prefix"
  build_with_pkg_config pkg-config "$prefix" g++
  for example in "${examples[@]}"; do
    run_quits "$example (find_package)" "$work/cmake/examples/$example"
    run_quits "$example (pkg-config)" "$work/pkg-config/$example"
  done
  run_starts "the tutorial's program (find_package)" "$work/cmake/tutorial/first_program"
  run_quits "a program with everyday global names" "$work/pkg-config/everyday_names"
  run_starts "the tutorial's program (pkg-config)" "$work/pkg-config/main"

  # The Debian package: the same files under /usr, and a Depends line that
  # apt can satisfy.
  quiet cpack cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" || fail "cpack -G DEB failed"
  deb=$(ls "$work"/deb/zt738_*.deb 2>/dev/null | head -n 1)
  if [ -n "$deb" ]; then
    echo "Debian package: $(basename "$deb"), $(($(stat -c %s "$deb") / 1024)) KiB"
    listing=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | sort)
    # shellcheck disable=SC2086 # one path a word
    expect_listing "the .deb" "$listing" $installed
    expect_clean "the .deb" "$listing"
    [ "$(dpkg-deb -f "$deb" Package)" = zt738 ] || fail "the .deb is not named zt738"
    # Depends comes from dpkg-shlibdeps (versioned, libc6 for one) and the
    # font; apt resolves it on this system.
    depends=$(dpkg-deb -f "$deb" Depends)
    grep -q 'libc6 (>=' <<<"$depends" || fail "the .deb's Depends ($depends) lacks what dpkg-shlibdeps finds"
    quiet apt-install apt-get install --simulate --no-install-recommends "$deb" ||
      fail "apt cannot satisfy the .deb's Depends ($depends)"
    grep -q 'fonts-dejavu-core' <<<"$depends" || fail "the .deb does not depend on fonts-dejavu-core"
    # Its tree serves a program as the installed one does.
    dpkg-deb -x "$deb" "$work/deb/root"
    build_with_pkg_config deb "$work/deb/root/usr" g++
    run_quits "bouncing_ball (built on the .deb's files)" "$work/deb/bouncing_ball"
  else
    fail "cpack made no .deb"
  fi
  ;;
windows)
  expect_listing "the installed tree" "$installed" \
    include/zt738.h lib/libzt738.a lib/libzt738_winmain.a \
    lib/cmake/ZT738/ZT738Config.cmake lib/cmake/ZT738/ZT738ConfigVersion.cmake \
    lib/pkgconfig/zt738.pc bin/zt738-editor.exe share/doc/zt738/LICENSE share/doc/zt738/README.md
  quiet cpack cpack --config "$build/CPackConfig.cmake" -G ZIP -B "$work/zip" || fail "cpack -G ZIP failed"
  zip=$(ls "$work"/zip/zt738-*-win64.zip 2>/dev/null | head -n 1)
  if [ -n "$zip" ]; then
    echo "ZIP: $(basename "$zip"), $(($(stat -c %s "$zip") / 1024)) KiB"
    top=$(basename "$zip" .zip)
    listing=$(unzip -Z1 "$zip" | grep -v '/$' | sed "s|^$top/||" | sort)
    # shellcheck disable=SC2086 # one path a word
    expect_listing "the ZIP" "$listing" $installed
    expect_clean "the ZIP" "$listing"
    # A MinGW-w64 program is built on the unpacked ZIP, both ways; the
    # static runtime lets Wine run it without the compiler's DLLs.
    (cd "$work/zip" && unzip -q "$zip")
    tree=$work/zip/$top
    check_version_file "$tree" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"
    build_with_cmake cmake "$tree" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_EXE_LINKER_FLAGS=-static
    build_with_pkg_config pkg-config "$tree" x86_64-w64-mingw32-g++-posix -static
    if [ -n "${DISPLAY:-}" ] && [ -n "${WINEPREFIX:-}" ]; then
      for example in "${examples[@]}"; do
        run_quits "$example.exe (find_package, Wine)" wine "$work/cmake/examples/$example.exe"
        run_quits "$example.exe (pkg-config, Wine)" wine "$work/pkg-config/$example.exe"
      done
      run_quits "a program with everyday global names (Wine)" wine "$work/pkg-config/everyday_names.exe"
    else
      echo "(no Wine prefix and display: the Windows programs were built, not run)"
    fi
  else
    fail "cpack made no ZIP"
  fi
  ;;
*)
  fail "unknown mode $mode (native or windows)"
  ;;
esac

echo "consumer checks ($mode): $((SECONDS - start)) s, $failures failures"
[ "$failures" -eq 0 ]
