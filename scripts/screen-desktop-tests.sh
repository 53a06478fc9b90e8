#!/usr/bin/env bash
# The screen driver on real desktops, each part on a private Xvfb of its own:
#   1. under the window managers xfwm4 (--compositor=off) and openbox: the
#      end-to-end editor test with its Run menu part, and the text window
#      (the package's, full of logged requests) wholly on the screen with
#      its screen pixels equal to the window's own (GetPixel); the close
#      box, and the keyboard focus in and after the modal dialog;
#   2. SIGINT and SIGTERM while a program records: it ends within 2 s as a
#      quit, with every tick it reported in "ZT738.SCR", on the screen driver
#      and headless; a second SIGINT while the first is pending ends it at
#      once;
#   3. ZT738_SCALE=2: the graphics window's screenshot equals the scale-1
#      screenshot doubled pixel for pixel, and a click at a doubled point
#      lands on the logical point.
#   screen-desktop-tests.sh [BUILD_DIR]   (default build/native, already built)
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
build=$(cd "${1:-build/native}" && pwd)
probe="$build/graphics/tests/screen/package_probe"
work=$(mktemp -d "${TMPDIR:-/tmp}/zt738-desktop.XXXXXX")
failures=0
pids=() # X servers and window managers, ended on exit

cleanup() {
  local p
  for p in "${pids[@]}"; do
    # shellcheck disable=SC2046 # a window manager's children (under dbus-run-session)
    kill $(pgrep -P "$p") "$p" 2>/dev/null
  done
  if [ "$failures" -eq 0 ]; then rm -rf "$work"; else echo "desktop-tests: kept $work" >&2; fi
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# new_display WIDTHxHEIGHT: a private Xvfb; sets DISPLAY.
new_display() {
  local file="$work/display.$RANDOM"
  Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp 3>"$file" 2>/dev/null &
  pids+=($!)
  for _ in $(seq 50); do [ -s "$file" ] && break; sleep 0.1; done
  [ -s "$file" ] || return 1
  DISPLAY=":$(cat "$file")"
  export DISPLAY
}

# start_wm COMMAND...: runs a window manager and waits until it manages
# the screen (_NET_SUPPORTING_WM_CHECK on the root window).
start_wm() {
  "$@" >"$work/wm-$RANDOM.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  return 1
}

# await LOG PATTERN [TENTHS]: until LOG has a line matching PATTERN.
await() {
  for _ in $(seq "${3:-100}"); do grep -qs -- "$2" "$1" && return 0; sleep 0.1; done
  return 1
}

# client_geometry NAME: "X Y WIDTH HEIGHT" of the X window with that name,
# its position on the root window (a window manager's frame left out).
client_geometry() {
  local id
  id=$(xdotool search --sync --onlyvisible --name "^$1\$" | head -1)
  xwininfo -id "$id" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}'
}

# --- 1. window managers
text_window_check() {
  local wm=$1 dir="$work/text-$1"
  mkdir -p "$dir"
  (cd "$dir" && PROBE_MODE=text PROBE_PPM="$dir/own.ppm" ZT738_VIDEO=sdl "$probe" >"$dir/out" 2>&1) &
  local pid=$!
  if ! await "$dir/out" '^text'; then
    fail "$wm: the text probe wrote no pixels"
  else
    sleep 0.5 # the last frame on its way to the X server
    read -r x y w h < <(client_geometry "ZT738 Text")
    read -r sw sh < <(xdotool getdisplaygeometry)
    if [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$sw" ] && [ $((y + h)) -le "$sh" ]; then
      echo "ok   $wm: the text window's client area ${w}x${h}+${x}+${y} lies on the ${sw}x${sh} screen"
    else
      fail "$wm: the text window's client area ${w}x${h}+${x}+${y} runs off the ${sw}x${sh} screen"
    fi
    import -window root -crop "${w}x${h}+${x}+${y}" "$dir/screen.ppm"
    local differing
    differing=$(compare -metric AE "$dir/own.ppm" "$dir/screen.ppm" null: 2>&1)
    [ "$differing" = 0 ] && echo "ok   $wm: the text window shows its own pixels" ||
      fail "$wm: $differing of the text window's pixels differ on the screen"
    import -window root "$dir/desktop.png"
  fi
  kill -TERM "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}

# The close box and the modal dialog under a window manager: WM_DELETE_WINDOW
# gives WM_CLOSE; the layer gives the dialog the keyboard focus, typed text
# and Enter reach it, and after it the focus is back with its owner.
window_checks() {
  local wm=$1 screen="$build/platform/tests/screen" log="$work/probe-$1.log"
  "$screen/input_probe" "$work/own-$wm.ppm" >"$log" 2>&1 &
  local pid=$!
  if await "$log" '^ready'; then
    "$screen/x_close" "input probe"
    await "$log" '^close$' 30 && echo "ok   $wm: the close box gives WM_CLOSE" ||
      fail "$wm: no WM_CLOSE for the close box"
  else
    fail "$wm: the input probe did not appear"
  fi
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  log="$work/dialog-$wm.log"
  "$screen/dialog_probe" >"$log" 2>&1 &
  pid=$!
  if await "$log" '^ready'; then
    local wid
    wid=$(xdotool search --sync --onlyvisible --name '^dialog under test$' | head -1)
    for _ in $(seq 50); do [ "$(xdotool getwindowfocus 2>/dev/null)" = "$wid" ] && break; sleep 0.1; done
    xdotool type --delay 20 "hi"
    xdotool key Return
    await "$log" '^okay' 50 && grep -q '^okay 6869$' "$log" &&
      echo "ok   $wm: the dialog has the keyboard focus" ||
      fail "$wm: the dialog got $(grep '^okay' "$log") instead of okay 6869"
    sleep 0.3
    xdotool key x
    await "$log" '^owner-key' 50 && grep -q '^owner-key 88$' "$log" &&
      echo "ok   $wm: after the dialog, keys reach its owner" ||
      fail "$wm: after the dialog, the owner got no key"
  else
    fail "$wm: the dialog probe did not appear"
  fi
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}

for wm in xfwm4 openbox; do
  if ! command -v "$wm" >/dev/null; then
    fail "$wm is missing (scripts/install-deps.sh installs it)"
    continue
  fi
  new_display 1280x1024 || { fail "Xvfb did not start for $wm"; continue; }
  # xfwm4 reads its settings through D-Bus: it gets a session bus of its own.
  if [ "$wm" = xfwm4 ]; then start_wm dbus-run-session -- xfwm4 --compositor=off; else start_wm openbox; fi ||
    { fail "$wm did not start"; continue; }
  echo "desktop-tests: $wm on $DISPLAY"
  if bash editor/tests/e2e/editor_e2e.sh "$build/editor/zt738_editor" >"$work/e2e-$wm.log" 2>&1; then
    echo "ok   $wm: editor end to end, with the Run menu"
  else
    fail "$wm: editor end to end"
    tail -30 "$work/e2e-$wm.log" >&2
  fi
  text_window_check "$wm"
  window_checks "$wm"
done

# --- 2. signals
# ends_as_quit DRIVER SIGNAL: the probe records ticks; the signal ends it
# within 2 s, after "quit", with the ticks it printed in its script.
ends_as_quit() {
  local dir="$work/signal-$1-$2"
  mkdir -p "$dir"
  (cd "$dir" && exec env PROBE_MODE=record ZT738_VIDEO="$1" "$probe" >"$dir/out" 2>&1) &
  local pid=$!
  await "$dir/out" '^tick 3$' || { fail "$1: the probe printed no third tick"; kill "$pid"; return; }
  local start ended=0
  start=$(date +%s%N)
  kill -s "$2" "$pid"
  for _ in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || { ended=1; break; }
    sleep 0.01
  done
  local took=$((($(date +%s%N) - start) / 1000000))
  wait "$pid" 2>/dev/null
  local status=$? ticks recorded
  ticks=$(grep -c '^tick' "$dir/out")
  recorded=$(sed -n 's/^ZT738_PERIODIC(\([0-9]*\));$/\1/p' "$dir/ZT738.SCR" 2>/dev/null |
    awk '{n += $1} END {print n + 0}')
  if [ "$ended" = 1 ] && [ "$took" -le 2000 ] && [ "$status" = 0 ] && grep -q '^quit$' "$dir/out" &&
    [ "$recorded" -ge "$ticks" ]; then
    echo "ok   $1: $2 ended the program as a quit in $took ms; $recorded ticks recorded ($ticks printed)"
  else
    fail "$1: $2: ended $ended in $took ms, status $status, $(tail -1 "$dir/out"), $recorded ticks recorded of $ticks"
    [ "$ended" = 1 ] || kill -KILL "$pid" 2>/dev/null
  fi
}

# A second SIGINT while the first is still pending ends the process by it.
second_sigint() {
  local dir="$work/sigint-twice-$1"
  mkdir -p "$dir"
  (cd "$dir" && exec env PROBE_MODE=record RECORD_BUSY=1 ZT738_VIDEO="$1" "$probe" >"$dir/out" 2>&1) &
  local pid=$!
  await "$dir/out" '^busy$' || { fail "$1: the probe did not get busy"; kill -KILL "$pid"; return; }
  kill -INT "$pid"
  sleep 0.3
  kill -0 "$pid" 2>/dev/null || { fail "$1: the first SIGINT ended a busy program"; return; }
  kill -INT "$pid"
  local status
  wait "$pid"
  status=$?
  [ "$status" = 130 ] && echo "ok   $1: a second SIGINT ended the busy program (status 130)" ||
    fail "$1: a second SIGINT: status $status instead of 130"
}

new_display 1280x1024 || fail "Xvfb did not start for the signals"
for driver in sdl headless; do
  ends_as_quit "$driver" INT
  ends_as_quit "$driver" TERM
  second_sigint "$driver"
done
ends_as_quit headless HUP

# --- 3. scale 2
# shoot SCALE: runs the drawing probe at that scale, screenshots its
# graphics window, and leaves it running (probe_pid, probe_out).
shoot() {
  probe_out="$work/draw-$1.out"
  ZT738_SCALE=$1 PROBE_MODE=draw ZT738_VIDEO=sdl "$probe" >"$probe_out" 2>&1 &
  probe_pid=$!
  await "$probe_out" '^ready' || { fail "scale $1: the drawing probe did not start"; return 1; }
  sleep 0.5
  local id
  id=$(xdotool search --sync --onlyvisible --name '^ZT738 Graphics$' | head -1)
  import -window "$id" "$work/graphics-$1.png"
}

new_display 2560x2048 || fail "Xvfb did not start for the scale"
if shoot 1; then
  kill -TERM "$probe_pid"
  wait "$probe_pid" 2>/dev/null
  if shoot 2; then
    convert "$work/graphics-1.png" -sample 200% "$work/graphics-1x2.png"
    differing=$(compare -metric AE "$work/graphics-1x2.png" "$work/graphics-2.png" null: 2>&1)
    [ "$differing" = 0 ] &&
      echo "ok   scale 2: the graphics window is the scale-1 picture doubled, pixel for pixel" ||
      fail "scale 2: $differing pixels differ from the scale-1 picture doubled"
    # Logical (x, y) is client pixel (297 + x, 248 - y), below the 19-row menu bar.
    read -r gx gy _ _ < <(client_geometry "ZT738 Graphics")
    for point in "-120 45" "0 0" "297 -247"; do
      read -r lx ly <<<"$point"
      xdotool mousemove $((gx + 2 * (297 + lx) + 1)) $((gy + 2 * (19 + 248 - ly) + 1)) click 1
      if await "$probe_out" "^click $lx $ly\$" 30; then
        echo "ok   scale 2: a click at the doubled point of ($lx, $ly) lands on it"
      else
        fail "scale 2: a click at the doubled point of ($lx, $ly) gave $(grep '^click' "$probe_out" | tail -1)"
      fi
    done
    # The layer's screen is the X screen divided by the scale.
    grep -q '^ready 1280 1024$' "$probe_out" &&
      echo "ok   scale 2: the program sees a 1280 x 1024 screen on the 2560 x 2048 one" ||
      fail "scale 2: the program sees $(grep '^ready' "$probe_out") instead of ready 1280 1024"
    kill -TERM "$probe_pid"
    wait "$probe_pid" 2>/dev/null
  fi
fi

[ "$failures" -eq 0 ] && echo "desktop-tests: all passed" || echo "desktop-tests: $failures failed"
[ "$failures" -eq 0 ]
