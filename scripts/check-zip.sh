#!/usr/bin/env bash
# Checks the Windows ZIP made from a built Windows tree: the same files as an
# install under one top folder, nothing of the tests, and an unpacked tree
# that serves a program as the installed one does: its CMake package's
# version file, a program built on it with pkg-config (MinGW-w64, static
# runtime), run under Wine when DISPLAY and WINEPREFIX are set.
#
#   check-zip.sh BUILD_DIR
#
# Prints the ZIP's name and size and the time taken. Exits non-zero when any
# check fails.
set -uo pipefail
# shellcheck source=scripts/consumer-lib.sh
source "$(dirname "$0")/consumer-lib.sh" windows "${1:?usage: check-zip.sh BUILD_DIR}" || exit 1

install_tree "$work/prefix"
quiet cpack cpack --config "$build/CPackConfig.cmake" -G ZIP -B "$work/zip" || fail "cpack -G ZIP failed"
zip=$(ls "$work"/zip/zt738-*-win64.zip 2>/dev/null | head -n 1)
if [ -z "$zip" ]; then
  fail "cpack made no ZIP"
  consumer_summary "ZIP check"
  exit
fi
echo "ZIP: $(basename "$zip"), $(($(stat -c %s "$zip") / 1024)) KiB"
top=$(basename "$zip" .zip)
listing=$(unzip -Z1 "$zip" | grep -v '/$' | sed "s|^$top/||" | sort)
# shellcheck disable=SC2086 # one path a word
expect_listing "the ZIP" "$listing" $installed
expect_clean "the ZIP" "$listing"
# The unpacked tree, somewhere else than where it was made.
(cd "$work/zip" && unzip -q "$zip")
tree=$work/zip/$top
check_version_file "$tree"
build_with_pkg_config zip "$tree" "$tree/share/doc/zt738/examples/bouncing_ball.cpp"
if can_run; then
  run_quits "bouncing_ball.exe (built on the ZIP's files, Wine)" wine "$work/zip/bouncing_ball.exe"
fi
consumer_summary "ZIP check"
