#!/usr/bin/env bash
# The screen driver's tests, in a private Xvfb (24-bit, no window manager):
#   1. the layer's conformance suites for windows, messages, keyboard, mouse,
#      menus (as data, and tracked with their popups), the clipboard and the
#      dialog, on ZT738_VIDEO=sdl;
#   2. real X input into a probe window (xdotool): a click at a client point,
#      a typed letter, Ctrl+Q, the close box's WM_DELETE_WINDOW; and the X
#      server's pixels of the window equal the window's own (GetPixel);
#   3. the line-input dialog with X input and the desktop's clipboard: text
#      typed and copied with Ctrl+A, Ctrl+C is on the X clipboard, and
#      Ctrl+V pastes what another program put there (in UTF-8);
#   4. the end-to-end editor test (editor/tests/e2e/editor_e2e.sh) on the
#      native editor;
#   5. the native editor without a display: one line on stderr, status 1,
#      within a second;
#   6. real desktops (scripts/screen-desktop-tests.sh): window managers,
#      SIGINT and SIGTERM while recording, a scale of 2.
#   7. keyboard layouts: text typed on fr, de and ru arrives as UTF-8 in the
#      dialog and the graphics window, and in the names of saved files.
#   screen-tests.sh [BUILD_DIR]   (default build/native, already built)
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
# shellcheck source=scripts/lib.sh
source scripts/lib.sh
build=${1:-build/native}
work=$(mktemp -d "${TMPDIR:-/tmp}/zt738-screen.XXXXXX")
failures=0

cleanup() {
  zt_stop_xvfb
  if [ "$failures" -eq 0 ]; then rm -rf "$work"; else echo "screen-tests: kept $work" >&2; fi
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

zt_start_xvfb "$work/xvfb.log" || {
  fail "Xvfb did not start"
  exit 1
}
export ZT738_VIDEO=sdl
echo "screen-tests: Xvfb on $DISPLAY"

# --- 1. conformance suites on the screen driver
for t in user/win32_windows_test user/win32_messages_test user/win32_keyboard_test \
  user/win32_mouse_test user/win32_menus_test user/win32_menu_tracking_test \
  user/win32_clipboard_test dialog/dialog_test; do
  if timeout 300 "$build/platform/tests/$t" >"$work/$(basename "$t").log" 2>&1; then
    echo "ok   $t"
  else
    fail "$t on the screen driver (see $work/$(basename "$t").log)"
    tail -20 "$work/$(basename "$t").log" >&2
  fi
done

# --- 2. X input into the probe
probe_log="$work/probe.log"
"$build/platform/tests/screen/input_probe" "$work/own.ppm" >"$probe_log" 2>&1 &
probe_pid=$!
# Waits (5 s at most) until the probe's output (or file $2) has a line
# matching $1.
await() { zt_wait_line "$1" "${2:-$probe_log}" 5; }
if ! await '^ready'; then
  fail "the probe window did not appear"
else
  read -r _ cx cy cw ch < <(grep '^ready' "$probe_log")
  zt_screenshot "$work/screen.ppm" "${cw}x${ch}+${cx}+${cy}"
  differing=$(compare -metric AE "$work/own.ppm" "$work/screen.ppm" null: 2>&1)
  if [ "$differing" = "0" ]; then
    echo "ok   presented frame equals the window's pixels (${cw}x${ch})"
  else
    fail "presented frame: $differing pixels differ from GetPixel"
  fi

  wid=$(zt_wait_window "input probe" 5)
  xdotool windowfocus --sync "$wid"
  xdotool mousemove $((cx + 37)) $((cy + 52)) click 1
  await '^down' && grep -q '^down 37 52$' "$probe_log" && echo "ok   click at client (37, 52)" ||
    fail "click: $(grep '^down' "$probe_log" | head -1) instead of down 37 52"

  start=$(wc -l <"$probe_log")
  xdotool key a
  await '^key-up 65' || true
  got=$(tail -n +"$((start + 1))" "$probe_log" | tr '\n' ' ')
  [ "$got" = "key-down 65 char 97 key-up 65 " ] && echo "ok   typed a: $got" ||
    fail "typed a: '$got' instead of key-down 65, char 97, key-up 65"

  xdotool key ctrl+q
  await '^char 17$' && echo "ok   Ctrl+Q gives WM_CHAR 17" || fail "Ctrl+Q gave no WM_CHAR 17"

  "$build/platform/tests/screen/x_close" "input probe"
  await '^close$' && echo "ok   WM_DELETE_WINDOW gives WM_CLOSE" || fail "no WM_CLOSE on WM_DELETE_WINDOW"
fi
zt_wait_exit "$probe_pid" 2 || {
  fail "the probe did not end after WM_CLOSE"
  kill "$probe_pid"
}

# --- 3. the line-input dialog and the desktop's clipboard
screen="$build/platform/tests/screen"
dialog_log="$work/dialog.log"
"$screen/dialog_probe" >"$dialog_log" 2>&1 &
dialog_pid=$!
if ! await '^ready' "$dialog_log"; then
  fail "the dialog did not appear"
else
  read -r _ fx fy < <(grep '^ready' "$dialog_log")
  wid=$(zt_wait_window "dialog under test" 5)
  # The layer gives the dialog the desktop's focus itself (no windowfocus).
  zt_wait_focus "$wid" 5
  xdotool mousemove $((fx + 10)) $((fy + 8)) click 1
  xdotool type --delay 20 "hello there"
  xdotool key ctrl+a ctrl+c
  for _ in $(seq 20); do # the keys may still be on their way
    copied=$("$screen/x_clipboard" get)
    [ "$copied" = "hello there" ] && break
    sleep 0.1
  done
  [ "$copied" = "hello there" ] && echo "ok   Ctrl+A, Ctrl+C put the field's text on the X clipboard" ||
    fail "the X clipboard holds '$copied' instead of 'hello there'"
  "$screen/x_clipboard" set "$(printf 'caf\xc3\xa9\n2')" >"$work/clip.log" 2>&1 &
  clip_pid=$!
  await '^set' "$work/clip.log" || true
  xdotool key End ctrl+v Return
  # hello there, then café and the next line: é in UTF-8, the break as CR LF
  want="okay 68656c6c6f207468657265636166c3a90d0a32"
  await '^okay' "$dialog_log" || true
  got=$(grep '^okay' "$dialog_log")
  [ "$got" = "$want" ] && echo "ok   Ctrl+V pasted the X clipboard's text" ||
    fail "pasting gave '$got' instead of '$want'"
  # Nobody clicks the owner: the desktop's focus must come back to it.
  xdotool key x
  await '^owner-key' "$dialog_log" && grep -q '^owner-key 88$' "$dialog_log" &&
    echo "ok   after the dialog, keys reach its owner" ||
    fail "after the dialog, the owner got no key: $(grep '^owner-key' "$dialog_log")"
  kill "$clip_pid" 2>/dev/null
fi
zt_wait_exit "$dialog_pid" 2 || {
  fail "the dialog probe did not end after Okay"
  kill "$dialog_pid"
}

# --- 7. keyboard layouts (fr, de, ru): scripts/screen-layouts.sh
bash scripts/screen-layouts.sh "$build" "$work"
failures=$((failures + $?))

# --- 4. the editor as a user drives it
if bash editor/tests/e2e/editor_e2e.sh "$build/editor/zt738_editor" >"$work/e2e.log" 2>&1; then
  echo "ok   editor end to end"
else
  fail "editor end to end"
  tail -30 "$work/e2e.log" >&2
fi

# --- 5. no display
start=$(date +%s%N)
env -u DISPLAY -u WAYLAND_DISPLAY -u ZT738_VIDEO timeout 5 "$build/editor/zt738_editor" \
  >"$work/nodisplay.out" 2>"$work/nodisplay.err"
status=$?
took=$((($(date +%s%N) - start) / 1000000))
lines=$(wc -l <"$work/nodisplay.err")
if [ "$status" -eq 1 ] && [ "$lines" -eq 1 ] && [ "$took" -lt 1000 ]; then
  echo "ok   without a display: status 1 in ${took} ms: $(cat "$work/nodisplay.err")"
else
  fail "without a display: status $status, $lines lines, ${took} ms"
fi

# --- 6. real desktops: window managers, signals, scale (each on its own Xvfb)
if bash scripts/screen-desktop-tests.sh "$build" >"$work/desktop.log" 2>&1; then
  grep '^ok' "$work/desktop.log"
else
  grep '^ok' "$work/desktop.log"
  fail "desktop tests (see $work/desktop.log)"
  grep -A3 '^FAIL' "$work/desktop.log" >&2
fi

[ "$failures" -eq 0 ] && echo "screen-tests: all passed" || echo "screen-tests: $failures failed"
[ "$failures" -eq 0 ]
