#!/usr/bin/env bash
# Checks the Debian package made from a built native tree: the same files as
# an install under /usr, nothing of the tests, a Depends line from
# dpkg-shlibdeps that apt can satisfy, and a tree that serves a
# program as the installed one does (built with pkg-config, run headless).
#
#   check-deb.sh BUILD_DIR
#
# Prints the package's name and size and the time taken. Exits non-zero when
# any check fails.
set -uo pipefail
# shellcheck source=scripts/consumer-lib.sh
source "$(dirname "$0")/consumer-lib.sh" native "${1:?usage: check-deb.sh BUILD_DIR}" || exit 1

prefix=$work/prefix
install_tree "$prefix"
quiet cpack cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" || fail "cpack -G DEB failed"
deb=$(ls "$work"/deb/zt738_*.deb 2>/dev/null | head -n 1)
if [ -z "$deb" ]; then
  fail "cpack made no .deb"
  consumer_summary "Debian package check"
  exit
fi
echo "Debian package: $(basename "$deb"), $(($(stat -c %s "$deb") / 1024)) KiB"
listing=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | sort)
# shellcheck disable=SC2086 # one path a word
expect_listing "the .deb" "$listing" $installed
expect_clean "the .deb" "$listing"
[ "$(dpkg-deb -f "$deb" Package)" = zt738 ] || fail "the .deb is not named zt738"
depends=$(dpkg-deb -f "$deb" Depends)
# Depends comes from dpkg-shlibdeps (versioned, libc6 for one) and the font;
# apt resolves it on this system.
grep -q 'libc6 (>=' <<<"$depends" || fail "the .deb's Depends ($depends) lacks what dpkg-shlibdeps finds"
quiet apt-install apt-get install --simulate --no-install-recommends "$deb" ||
  fail "apt cannot satisfy the .deb's Depends ($depends)"
grep -q 'fonts-dejavu-core' <<<"$depends" || fail "the .deb does not depend on fonts-dejavu-core"
# Its tree serves a program as the installed one does.
dpkg-deb -x "$deb" "$work/deb/root"
build_with_pkg_config deb "$work/deb/root/usr" "$work/deb/root/usr/share/doc/zt738/examples/bouncing_ball.cpp"
run_quits "bouncing_ball (built on the .deb's files)" "$work/deb/bouncing_ball"
consumer_summary "Debian package check"
