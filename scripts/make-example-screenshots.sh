#!/usr/bin/env bash
# Makes the README's screenshots of the two examples, docs/images/*.png: the
# Windows build of each example runs under Wine in a private virtual X
# server, is driven with real X input (xdotool) and photographed.
#
#   make-example-screenshots.sh [WINDOWS_BUILD_DIR]   # default build/windows
#
# Needs the examples built there:
#   cmake --build --preset windows --target bouncing_ball word_board
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/windows}" && pwd)
images=$root/docs/images
for example in bouncing_ball word_board; do
  [ -f "$build/examples/$example.exe" ] || {
    echo "make-example-screenshots: $build/examples/$example.exe is missing (build the target $example)" >&2
    exit 1
  }
done

# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh" "$build/wineprefix"
work=$(mktemp -d "${TMPDIR:-/tmp}/zt738-shots.XXXXXX")
program_pid=""
finish() {
  if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then kill "$program_pid"; fi
  rm -rf "$work"
  wine_env_stop
}
trap finish EXIT

# Without a window manager Wine puts the graphics window at (0, 0); its X
# window holds the menu bar above the 496-row client area.
graphics=""
client_x=0
client_y=0

# wait_window TITLE SECONDS: the visible X window of that title; ends the
# script when none shows in time.
wait_window() {
  zt_wait_window "$1" "$2" "$program_pid" || {
    echo "make-example-screenshots: no window \"$1\" within $2 s" >&2
    exit 1
  }
}

start() {
  (cd "$work" && exec wine "$build/examples/$1.exe") >"$work/$1.log" 2>&1 &
  program_pid=$!
  graphics=$(wait_window "ZT738 Graphics" 60)
  zt_client_area "$graphics"
  xdotool windowfocus --sync "$graphics"
  sleep 1
}

# A click at a logical point, then a word typed into the dialog it opens.
click_and_answer() {
  xdotool mousemove $((client_x + 297 + $1)) $((client_y + 248 - $2)) click 1
  local dialog
  dialog=$(wait_window ZT738_gets 10)
  xdotool windowfocus --sync "$dialog"
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
  sleep 0.5
  xdotool type --delay 30 "$3"
  xdotool key Return
  zt_wait_window_gone ZT738_gets 10 || true
  sleep 0.5
  xdotool windowfocus --sync "$graphics"
}

# Photographs the graphics window, then quits the program (Ctrl+Q).
shoot() {
  zt_screenshot "$images/$1.png" "$shot_area"
  xdotool key ctrl+q
  wait "$program_pid" || true
  program_pid=""
  echo "wrote docs/images/$1.png"
}
shot_area=601x540+0+0  # the whole graphics window
mkdir -p "$images"

start bouncing_ball
xdotool type --delay 200 "++"
sleep 1.5
shoot bouncing_ball

start word_board
sleep 3  # the title types itself out
click_and_answer -260 120 "Hello"
xdotool type "6"
click_and_answer -200 -20 "ZT738"
xdotool type "2"
click_and_answer -120 -180 "one word at a time"
sleep 0.5
shoot word_board
