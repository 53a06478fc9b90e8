#!/usr/bin/env bash
# Makes docs/images/editor.png: the native editor in a private Xvfb, a few
# shapes drawn with real X clicks (xdotool), its graphics window captured.
#   make-editor-screenshot.sh [BUILD_DIR]   (default build/native, editor built)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
# shellcheck source=scripts/lib.sh
source scripts/lib.sh
build=${1:-build/native}
work=$(mktemp -d "${TMPDIR:-/tmp}/zt738-shot.XXXXXX")
editor=""
trap '[ -z "$editor" ] || kill "$editor" 2>/dev/null; zt_stop_xvfb; rm -rf "$work"' EXIT
zt_start_xvfb
export ZT738_VIDEO=sdl
(cd "$work" && exec "$root/$build/editor/zt738_editor") &
editor=$!
graphics=$(zt_wait_window "ZT738 Graphics" 10 "$editor") || {
  echo "make-editor-screenshot: no window \"ZT738 Graphics\" within 10 s" >&2
  exit 1
}
zt_client_area "$graphics"
# Clicks at a logical point (centre origin, y up), or at a palette row.
at() { xdotool mousemove $((client_x + 297 + $1)) $((client_y + 248 - $2)) click 1; sleep 0.2; }
row() { xdotool mousemove $((client_x + 20)) $((client_y + 20 + 40 * $1)) click 1; sleep 0.2; }
row 0; at -150 180; at -20 60          # a square
row 1; at 40 200; at 200 60            # a circle
row 0; at -100 -20; at 60 -180         # another square...
row 5; at -20 -100; row 6              # ...picked and made orange
row 1; at 120 -40; at 240 -200         # a circle...
row 5; at 180 -120; row 8              # ...made magenta
sleep 0.5
import -window "$graphics" "$root/docs/images/editor.png"
echo "make-editor-screenshot: wrote docs/images/editor.png"
