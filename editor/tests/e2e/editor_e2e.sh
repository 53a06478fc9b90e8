#!/usr/bin/env bash
# Drives the shape editor as a user would: real X mouse clicks and keystrokes
# (xdotool) into its windows, then checks the drawing file it saved and the
# pixels it shows on the X screen; then the Run menu, opened by a click on
# "Run" and by Alt+R, switches Logging on and off (the text window fills with
# drawing requests only meanwhile), and Run > Quit ends the program. The Windows build runs under Wine, the
# native one on the layer's screen driver (ZT738_VIDEO=sdl).
#
#   editor_e2e.sh PATH/TO/zt738_editor.exe | PATH/TO/zt738_editor
#
# Native: uses DISPLAY when set, else starts a private Xvfb. Windows build:
# uses DISPLAY and WINEPREFIX when both are set (the X screen must be 24 bits
# deep: colours are compared exactly); otherwise sources scripts/wine-env.sh, which
# starts a private Xvfb and a prefix beside the executable's build tree
# (BUILD/wineprefix) and stops both on exit. The editor runs in a fresh
# temporary directory, kept (with its screenshots) only when a check fails.
#
# The graphics window is not moved: without a window manager it is shown
# at screen (0, 0), its client area (595 x 496) below the 19-pixel menu bar.
# A logical point (x, y) is client pixel (297 + x, 248 - y).
set -uo pipefail

exe=${1:?usage: editor_e2e.sh PATH/TO/zt738_editor.exe}
exe=$(cd "$(dirname "$exe")" && pwd)/$(basename "$exe")
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
# shellcheck source-path=SCRIPTDIR/../../.. source=scripts/lib.sh
source "$root/scripts/lib.sh"

native=1
[[ $exe == *.exe ]] && native=0
tools=(xdotool xwininfo import)
[ "$native" = 1 ] && [ -z "${DISPLAY:-}" ] && tools+=(Xvfb)
[ "$native" = 0 ] && tools+=(wine)
for tool in "${tools[@]}"; do
  command -v "$tool" >/dev/null || {
    echo "editor_e2e: $tool is missing (scripts/install-deps.sh installs it)" >&2
    exit 1
  }
done

if [ "$native" = 1 ]; then
  if [ -z "${DISPLAY:-}" ]; then
    zt_start_xvfb || exit 1
  fi
  export ZT738_VIDEO=sdl
elif [ -z "${DISPLAY:-}" ] || [ -z "${WINEPREFIX:-}" ]; then
  # shellcheck source-path=SCRIPTDIR/../../.. source=scripts/wine-env.sh
  source "$root/scripts/wine-env.sh" "${WINEPREFIX:-$(dirname "$(dirname "$exe")")/wineprefix}" ||
    exit 1
fi
export WINEDEBUG=${WINEDEBUG:--all}

work=$(mktemp -d "${TMPDIR:-/tmp}/zt738-e2e.XXXXXX")
editor_pid=""
failures=0

cleanup() {
  if [ -n "$editor_pid" ] && kill -0 "$editor_pid" 2>/dev/null; then
    kill "$editor_pid" 2>/dev/null
    wait "$editor_pid" 2>/dev/null
  fi
  if [ "$failures" -eq 0 ]; then
    rm -rf "$work"
  else
    echo "editor_e2e: kept $work (screenshots, the saved drawing, the editor's output)" >&2
  fi
  if declare -F wine_env_stop >/dev/null; then wine_env_stop; fi
  zt_stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Gives up the whole run: later steps depend on this one.
abort() {
  fail "$@"
  exit 1
}

# --- The screen -------------------------------------------------------------

client_x=0  # screen position of the graphics window's client area
client_y=0
shot="$work/screen.rgb"
screen_width=0

# Screen point of a logical point.
screen_x() { echo $((client_x + 297 + $1)); }
screen_y() { echo $((client_y + 248 - $1)); }

# Takes a screenshot of the whole screen as raw 8-bit RGB.
grab() {
  screen_width=$(xdotool getdisplaygeometry | cut -d ' ' -f 1)
  zt_screenshot "rgb:$shot"
}

# The screenshot's colour at a logical point, as "R,G,B".
pixel_at() {
  local sx sy
  sx=$(screen_x "$1")
  sy=$(screen_y "$2")
  od -An -tu1 -v -j $(((sy * screen_width + sx) * 3)) -N3 "$shot" | awk '{print $1 "," $2 "," $3}'
}

# Keeps the current screenshot as a PNG for a look after a failure.
keep_shot() { convert -size "${screen_width}x$(($(stat -c %s "$shot") / 3 / screen_width))" \
  -depth 8 "rgb:$shot" "$work/$1.png" 2>/dev/null; }

black=0,0,0
white=255,255,255
green=0,255,0
blue=0,0,255
orange=255,102,0

# expect_pixels WHAT x y colour [x y colour ...]: checks the current
# screenshot at each logical point.
expect_pixels() {
  local what=$1 ok=0
  shift
  while [ $# -ge 3 ]; do
    local actual
    actual=$(pixel_at "$1" "$2")
    if [ "$actual" != "$3" ]; then
      fail "$what: pixel at logical ($1, $2) (screen $(screen_x "$1"), $(screen_y "$2")):" \
        "expected rgb($3), actual rgb($actual)"
      ok=1
    fi
    shift 3
  done
  return $ok
}

# wait_pixels WHAT x y colour [...]: screenshots until every point shows its
# colour (10 s at most), then reports the points that do not.
wait_pixels() {
  local what=$1
  shift
  for _ in $(seq 1 50); do
    grab
    local all=1
    local args=("$@") i
    for ((i = 0; i + 2 < ${#args[@]}; i += 3)); do
      [ "$(pixel_at "${args[i]}" "${args[i + 1]}")" = "${args[i + 2]}" ] || all=0
    done
    [ "$all" = 1 ] && return 0
    sleep 0.2
  done
  expect_pixels "$what" "$@"
  keep_shot "$(echo "$what" | tr -c 'a-z0-9\n' '-')"
  return 1
}

# window_geometry ID: sets X, Y, WIDTH and HEIGHT of an X window, its
# position on the root window (under a window manager's frame, xdotool's
# geometry is shifted by the frame).
window_geometry() {
  eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print "X=" $4}
    /Absolute upper-left Y/ {print "Y=" $4} /Width:/ {print "WIDTH=" $2}
    /Height:/ {print "HEIGHT=" $2}')"
}

# --- Input --------------------------------------------------------------------

# Left click at a logical point of the drawing area.
click() {
  xdotool mousemove "$(screen_x "$1")" "$(screen_y "$2")" click 1
  sleep 0.2
}

# Palette rows by their centres: (-275, 225 - 40 * row).
click_row() { click -275 $((225 - 40 * $1)); }
ROW_SQUARE=0
ROW_CIRCLE=1
ROW_MOVE=2
ROW_DELETE=4
ROW_PICK=5
ROW_ORANGE=6
ROW_SAVE=9
ROW_LOAD=10

# The visible X window of the editor with exactly this name; waits up to
# SECONDS for it, less when the editor ends.
find_window() { zt_wait_window "$1" "$2" "$editor_pid"; }

# Answers the line-input dialog: waits for it, gives it the keyboard focus,
# types the line and presses Enter (which presses Okay), then waits until it
# is gone.
answer_dialog() {
  local line=$1 dialog
  dialog=$(find_window ZT738_gets 20)
  [ -n "$dialog" ] || abort "the line-input dialog \"ZT738_gets\" did not appear within 20 s"
  xdotool windowfocus --sync "$dialog"
  # A click at the dialog's centre, which lies in its edit field, makes sure
  # that Wine has the focus there too; it takes it a moment after X does.
  window_geometry "$dialog"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
  sleep 0.5
  xdotool type --delay 30 "$line"
  xdotool key Return
  zt_wait_window_gone ZT738_gets 10 || abort "the line-input dialog is still open 10 s after Enter"
}

# --- The run ------------------------------------------------------------------

cd "$work" || exit 1
if [ "$native" = 1 ]; then
  "$exe" >"$work/editor-output.txt" 2>&1 &
else
  wine "$exe" >"$work/editor-output.txt" 2>&1 &
fi
editor_pid=$!

graphics=$(find_window "ZT738 Graphics" 60)
[ -n "$graphics" ] || abort "no window \"ZT738 Graphics\" within 60 s (editor output in $work)"

# The X window of the graphics window (Wine's, or the screen driver's) holds
# the menu bar above the client
# area, so the client area is its bottom 496 rows.
# A window manager may still be framing and placing it: the position counts
# once it holds still.
window_geometry "$graphics"
for _ in $(seq 1 20); do
  before="$X $Y"
  sleep 0.3
  window_geometry "$graphics"
  [ "$before" = "$X $Y" ] && break
done
client_x=$X
client_y=$((Y + HEIGHT - 496))
if [ "$WIDTH" != 595 ] || [ "$client_x" != 3 ] || [ "$client_y" != 41 ]; then
  echo "note: the graphics window is at ${X},${Y}, ${WIDTH} x ${HEIGHT};" \
    "client area taken from (${client_x}, ${client_y})" >&2
fi

# Start-up: white area, the palette's outline (its left edge and the line
# between rows 0 and 1) in black.
wait_pixels "start-up screen" 0 0 "$white" -295 100 "$black" -260 205 "$black" 200 -200 "$white" ||
  abort "the editor did not draw its start-up screen"

# A square from (-150, 150) to (-50, 51) in the starting colour, green.
click_row $ROW_SQUARE
click -150 150
click -50 51
wait_pixels "new green square" -150 100 "$green" -50 100 "$green" -100 150 "$green" \
  -100 100 "$white"

# A circle in the box (0, 200)-(120, 100): its outline touches the middle of
# each side of the box.
click_row $ROW_CIRCLE
click 0 200
click 120 100
wait_pixels "new green circle" 60 200 "$green" 0 150 "$green" 120 150 "$green" 60 150 "$white" \
  0 200 "$white"

# Pick the square: the blue marker covers its outline.
click_row $ROW_PICK
click -100 100
wait_pixels "picked square" -150 100 "$blue" -100 51 "$blue"

# Orange: the selected square takes it, redrawn without the marker.
click_row $ROW_ORANGE
wait_pixels "orange square" -150 100 "$orange" -100 51 "$orange" 60 200 "$green"

# Move it to be centred on (100, -100). It is 100 x 99: the odd height loses
# a unit, the corner order stays: (50, -51)-(150, -149).
click_row $ROW_MOVE
click 100 -100
wait_pixels "moved square" 50 -100 "$blue" 150 -100 "$blue" 100 -51 "$blue" 100 -149 "$blue" \
  -150 100 "$white" -100 51 "$white"

# Save: the records in drawing order.
click_row $ROW_SAVE
answer_dialog drawing.txt
# Text files end their lines as the system does: CR LF on Windows.
eol=$'\n'
[ "$native" = 0 ] && eol=$'\r\n'
expected="SQUARE 50 -51 150 -149 13 ${eol}CIRCLE 0 200 120 100 3 ${eol}"
saved=""
if zt_wait_file drawing.txt 10 ${#expected}; then
  saved=$(
    cat drawing.txt
    echo x
  )
  saved=${saved%x}
fi
if [ "$saved" != "$expected" ]; then
  fail "the saved drawing differs"
  echo "expected bytes:" >&2
  printf '%s' "$expected" | od -c >&2
  echo "actual bytes (files in $work: $(cd "$work" && echo *)):" >&2
  od -c drawing.txt >&2 2>/dev/null || echo "(no file drawing.txt)" >&2
fi

# Delete the square (still selected), so that only the load can bring it back.
click_row $ROW_DELETE
wait_pixels "square deleted" 50 -100 "$white" 60 200 "$green"

# Load: both shapes again, redrawn without a marker.
click_row $ROW_LOAD
answer_dialog drawing.txt
wait_pixels "loaded drawing" \
  50 -100 "$orange" 150 -100 "$orange" 100 -51 "$orange" 100 -149 "$orange" \
  100 -100 "$white" \
  60 200 "$green" 0 150 "$green" 60 100 "$green" 60 150 "$white" \
  -150 100 "$white" 200 0 "$white" 280 -230 "$white" \
  -295 100 "$black" -235 100 "$black" -260 245 "$black" -260 -195 "$black"

# --- The Run menu, by the mouse and by the keyboard -----------------------------
# "Run" is the menu bar's first item, just above the client area's top-left
# corner; its popup opens under it, over the palette. The probe point, on the
# black line between the palette's first two rows, then shows the popup's
# check-mark column of an unchecked item instead.
run_x=$((client_x + 12))
run_y=$((client_y - 9))
probe_x=-289
probe_y=205
xdotool windowfocus --sync "$graphics"
# The click that gives it the focus does nothing: the delete tool is current.
click 200 -200
sleep 0.3
grab
closed_colour=$(pixel_at "$probe_x" "$probe_y")
menu_shots=0

# wait_menu open|closed: until the popup shows at the probe point or is gone (5 s).
wait_menu() {
  local now
  for _ in $(seq 1 50); do
    grab
    now=$(pixel_at "$probe_x" "$probe_y")
    if [ "$1" = open ] && [ "$now" != "$closed_colour" ]; then return 0; fi
    if [ "$1" = closed ] && [ "$now" = "$closed_colour" ]; then return 0; fi
    sleep 0.1
  done
  keep_shot "menu-not-$1-$((++menu_shots))"
  echo "wait_menu $1: rgb($now) at the probe point, rgb($closed_colour) while closed" >&2
  return 1
}

text_window=$(find_window "ZT738 Text" 10)
[ -n "$text_window" ] || fail "no text window \"ZT738 Text\""
# How much ink the console's lines put into the text window: 1 minus its
# mean brightness on the screen, in thousandths.
console_ink() {
  local X Y WIDTH HEIGHT
  window_geometry "$text_window"
  grab
  convert -size "${screen_width}x$(($(stat -c %s "$shot") / 3 / screen_width))" -depth 8 \
    "rgb:$shot" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" -format '%[fx:round(1000*(1-mean))]' info:
}

# wait_more_ink BEFORE: until the console holds more ink than before (10 s).
wait_more_ink() {
  for _ in $(seq 1 50); do
    [ "$(console_ink)" -gt "$1" ] && return 0
    sleep 0.2
  done
  return 1
}

# A click on "Run" opens the menu; "l", Logging's mnemonic, switches logging
# on and closes it. A new square's drawing requests then fill the console.
ink=$(console_ink)
xdotool mousemove "$run_x" "$run_y" click 1
wait_menu open || fail "a click on Run did not open its menu"
xdotool key l
wait_menu closed || fail "the Run menu stayed open after l (Logging)"
click_row $ROW_SQUARE
click 180 200
click 250 150
wait_more_ink "$ink" || fail "logging on: the console shows no drawing requests (ink $ink)"

# Alt+R opens the menu from the keyboard; "l" switches logging off again:
# another square adds nothing to the console.
xdotool key alt+r
wait_menu open || fail "Alt+R did not open the Run menu"
xdotool key l
wait_menu closed || fail "the Run menu stayed open after Alt+R, l"
sleep 0.5
ink=$(console_ink)
click_row $ROW_SQUARE
click 180 -180
click 250 -230
sleep 1
[ "$(console_ink)" = "$ink" ] || fail "logging off: the console still grows ($ink, then $(console_ink))"

# The mouse chooses too: Run, then its first item (Animate, already running).
xdotool mousemove "$run_x" "$run_y" click 1
wait_menu open || fail "a second click on Run did not open its menu"
xdotool mousemove $((client_x + 40)) $((client_y + 10)) click 1
wait_menu closed || fail "a click on Animate did not close the Run menu"

# Run > Quit (its mnemonic, q) ends the program with status 0.
xdotool mousemove "$run_x" "$run_y" click 1
wait_menu open || fail "a click on Run did not open its menu before Quit"
xdotool key q
if zt_wait_exit "$editor_pid" 20; then
  wait "$editor_pid"
  status=$?
  editor_pid=""
  [ "$status" = 0 ] || fail "exit status: expected 0, actual $status"
else
  fail "the editor still runs 20 s after Run > Quit"
fi

if [ "$failures" -ne 0 ]; then
  echo "editor_e2e: $failures check(s) failed" >&2
  exit 1
fi
echo "editor_e2e: all checks passed"
