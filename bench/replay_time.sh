#!/usr/bin/env bash
# Times zt738-replay on the editor, start to PNG, for scripts of 10,000
# events (or EVENTS): "bounded" draws a square and a circle, picks,
# recolours and deletes both, over and over, so the drawing stays small;
# "growing" keeps every square, so each redraw draws more.
#
#   bash bench/replay_time.sh [BUILD_DIR] [EVENTS]   (default build/native, 10000)
set -euo pipefail
build=${1:-build/native}
events=${2:-10000}
tool=$build/tools/replay/zt738-replay
editor=$build/editor/zt738_editor
for f in "$tool" "$editor"; do
  [ -x "$f" ] || { echo "missing $f: build zt738-replay and zt738_editor first" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# script NAME KEEP_SQUARES: EVENTS lines of clicks, in cycles.
script() {
  local out=$work/$1.scr keep=$2 n=0 i=0
  : >"$out"
  while [ "$n" -lt "$events" ]; do
    local x=$(((i * 7) % 400 - 200)) y=$(((i * 13) % 300 - 150))
    {
      echo "ZT738_MOUSE(-275, 225);"                    # square
      echo "ZT738_MOUSE($x, $y);"
      echo "ZT738_MOUSE($((x + 40)), $((y - 40)));"
      echo "ZT738_MOUSE(-275, 185);"                    # circle
      echo "ZT738_MOUSE($((x + 10)), $((y + 60)));"
      echo "ZT738_MOUSE($((x + 50)), $((y + 100)));"
      echo "ZT738_MOUSE(-275, 25);"                     # pick the circle
      echo "ZT738_MOUSE($((x + 30)), $((y + 80)));"
      echo "ZT738_MOUSE(-275, -95);"                    # magenta
      echo "ZT738_MOUSE(-275, 65);"                     # delete it
      if [ "$keep" = no ]; then
        echo "ZT738_MOUSE(-275, 25);"                   # pick the square
        echo "ZT738_MOUSE($((x + 20)), $((y - 20)));"
        echo "ZT738_MOUSE(-275, 65);"                   # delete it
      fi
    } >>"$out"
    n=$(wc -l <"$out")
    i=$((i + 1))
  done
  head -n "$events" "$out" >"$out.cut" && mv "$out.cut" "$out"
}

for kind in bounded growing; do
  if [ "$kind" = bounded ]; then script "$kind" no; else script "$kind" yes; fi
  start=$(date +%s.%N)
  "$tool" --timeout 0 --png "$work/$kind.png" "$work/$kind.scr" -- "$editor" 2>/dev/null
  end=$(date +%s.%N)
  printf '%-8s %6d events: %.2f s start to PNG\n' "$kind" "$events" "$(awk "BEGIN { print $end - $start }")"
done
