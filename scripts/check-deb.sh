#!/usr/bin/env bash
# Checks the Debian package made from a built native tree: the same files as
# an install under /usr, nothing of the tests, a Depends line that names the
# package of every shared library the editor needs, and a tree that serves a
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
depends_list=$(sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends")
while read -r needed path; do
  owner=$(dpkg -S "$path" 2>/dev/null || dpkg -S "$(realpath "$path")" 2>/dev/null)
  owner=${owner%%:*}
  [ -n "$owner" ] || continue
  grep -qxF "$owner" <<<"$depends_list" ||
    fail "the editor needs $needed from $owner, which the .deb's Depends ($depends) lacks"
done < <(
  # The libraries the editor names itself (not theirs), where ldd finds them.
  editor=$prefix/bin/zt738-editor
  ldd "$editor" | awk -v names="$(objdump -p "$editor" | awk '$1 == "NEEDED" {print $2}')" '
    BEGIN { split(names, list, "\n"); for (i in list) direct[list[i]] = 1 }
    $2 == "=>" && ($1 in direct) {print $1, $3}'
)
grep -q 'fonts-dejavu-core' <<<"$depends" || fail "the .deb does not depend on fonts-dejavu-core"
# Its tree serves a program as the installed one does.
dpkg-deb -x "$deb" "$work/deb/root"
build_with_pkg_config deb "$work/deb/root/usr" "$work/deb/root/usr/share/doc/zt738/examples/bouncing_ball.cpp"
run_quits "bouncing_ball (built on the .deb's files)" "$work/deb/bouncing_ball"
consumer_summary "Debian package check"
