#!/usr/bin/env bash
# Makes docs/images/editor.png: the native editor in a private Xvfb, a few
# shapes drawn with real X clicks (xdotool), its graphics window captured.
#   make-screenshot.sh [BUILD_DIR]   (default build/native, editor built)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-build/native}
work=$(mktemp -d "${TMPDIR:-/tmp}/zt738-shot.XXXXXX")
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
editor=""
trap 'kill $editor $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" ZT738_VIDEO=sdl
(cd "$work" && exec "$root/$build/editor/zt738_editor") &
editor=$!
for _ in $(seq 50); do
  graphics=$(xdotool search --onlyvisible --name '^ZT738 Graphics$' 2>/dev/null | head -1) && break
  sleep 0.1
done
eval "$(xdotool getwindowgeometry --shell "$graphics")"
client_x=$X
client_y=$((Y + HEIGHT - 496))
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
echo "make-screenshot: wrote docs/images/editor.png"
