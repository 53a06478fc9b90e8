#!/usr/bin/env bash
# Keyboard layouts on the screen driver, in the caller's X server (DISPLAY,
# ZT738_VIDEO=sdl; called by scripts/screen-tests.sh). For each of the
# layouts fr, de and ru (setxkbmap):
#   - text typed with xdotool into the line-input dialog arrives as the UTF-8
#     of what was typed (accents, digits that need Shift on AZERTY, ß,
#     Cyrillic);
#   - the editor: the characters typed into its graphics window are recorded
#     as one keyboard line per UTF-8 byte; a drawing saved under a name typed
#     on the layout has that UTF-8 name on the disk; Ctrl with the key
#     labelled Q (on ru, the key where Q is on a US keyboard) ends it;
# and on fr the dead key ^ then e types ê where the X server composes it.
#   screen-layouts.sh BUILD_DIR WORK_DIR   (exit status: the number of failures)
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
build=${1:?usage: screen-layouts.sh BUILD_DIR WORK_DIR}
work=${2:?usage: screen-layouts.sh BUILD_DIR WORK_DIR}
screen="$build/platform/tests/screen"
editor=$(cd "$build/editor" && pwd)/zt738_editor
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Waits until file $2 has a line matching $1.
await() {
  for _ in $(seq 50); do grep -qs -- "$1" "$2" && return 0; sleep 0.1; done
  return 1
}

hex() { printf '%s' "$1" | od -An -tx1 | tr -d ' \n'; }

# The dialog probe: types $2 on layout $1 and expects its UTF-8 back.
dialog_on() {
  local layout=$1 text=$2 log="$work/layout-dialog-$1.log" pid wid fx fy got
  "$screen/dialog_probe" >"$log" 2>&1 &
  pid=$!
  if ! await '^ready' "$log"; then
    fail "$layout: the dialog did not appear"
    kill "$pid" 2>/dev/null
    return
  fi
  read -r _ fx fy < <(grep '^ready' "$log")
  wid=$(xdotool search --name '^dialog under test$' | head -1)
  for _ in $(seq 50); do [ "$(xdotool getwindowfocus 2>/dev/null)" = "$wid" ] && break; sleep 0.1; done
  xdotool mousemove $((fx + 10)) $((fy + 8)) click 1
  xdotool type --delay 80 "$text"
  xdotool key Return
  await '^okay' "$log" || true
  got=$(grep '^okay' "$log")
  [ "$got" = "okay $(hex "$text")" ] && echo "ok   $layout: the dialog got \"$text\" as UTF-8" ||
    fail "$layout: typing \"$text\" gave '$got' instead of 'okay $(hex "$text")'"
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}

# The editor on layout $1: Ctrl+$2 (the key labelled R) records, $3 is typed
# into the graphics window, a drawing is saved as $4, Ctrl+$5 (labelled Q)
# quits.
editor_on() {
  local layout=$1 record=$2 typed=$3 name=$4 quit=$5 dir="$work/editor-$1" pid wid dialog
  mkdir -p "$dir"
  (cd "$dir" && exec "$editor") >"$dir/out.log" 2>&1 &
  pid=$!
  wid=""
  for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --name '^ZT738 Graphics$' 2>/dev/null | head -1)
    [ -n "$wid" ] && break
    sleep 0.1
  done
  if [ -z "$wid" ]; then
    fail "$layout: the editor did not appear"
    kill "$pid" 2>/dev/null
    return
  fi
  xdotool windowfocus --sync "$wid"
  sleep 0.3
  xdotool key "ctrl+$record"
  sleep 0.3
  # Slowly: a spare key code that xdotool binds must outlive the busy editor's read.
  xdotool type --delay 250 "$typed"
  sleep 0.3
  xdotool key "ctrl+$record"
  # The keyboard lines (the editor's animation adds periodic ones).
  local want="" keys=""
  for b in $(printf '%s' "$typed" | od -An -td1); do want+="ZT738_KBD($b); "; done
  for _ in $(seq 30); do
    keys=$(grep KBD "$dir/ZT738.SCR" 2>/dev/null | tr '\n' ' ')
    [ "$keys" = "$want" ] && break
    sleep 0.1
  done
  [ "$keys" = "$want" ] &&
    echo "ok   $layout: \"$typed\" typed into the graphics window is one event per UTF-8 byte" ||
    fail "$layout: recording \"$typed\" wrote '$keys' instead of '$want'"
  # The save button (palette row 9) at client (25, 383) of the window at (0, 0).
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  xdotool mousemove $((X + 25)) $((Y + HEIGHT - 496 + 383)) click 1
  dialog=""
  for _ in $(seq 100); do
    dialog=$(xdotool search --onlyvisible --name '^ZT738_gets$' 2>/dev/null | head -1)
    [ -n "$dialog" ] && break
    sleep 0.1
  done
  if [ -z "$dialog" ]; then
    fail "$layout: the save dialog did not appear"
  else
    xdotool windowfocus --sync "$dialog"
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
    sleep 0.3
    xdotool type --delay 500 "$name"
    xdotool key Return
    for _ in $(seq 50); do [ -f "$dir/$name" ] && break; sleep 0.1; done
    [ -f "$dir/$name" ] && echo "ok   $layout: the drawing is saved as \"$name\" ($(hex "$name"))" ||
      fail "$layout: no file \"$name\"; the folder has: $(ls "$dir" | tr '\n' ' ')"
  fi
  xdotool windowfocus --sync "$wid" 2>/dev/null
  sleep 0.3
  xdotool key "ctrl+$quit"
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then
    fail "$layout: Ctrl+$quit did not end the editor"
    kill "$pid" 2>/dev/null
  else
    echo "ok   $layout: Ctrl+$quit ends the editor"
  fi
  wait "$pid" 2>/dev/null
}

for tool in setxkbmap xdotool od; do
  command -v "$tool" >/dev/null || { fail "$tool is missing (scripts/install-deps.sh installs it)"; exit 1; }
done

# Switches the X server to layout $1. Some virtual X servers keep their us
# keymap whatever setxkbmap asks (setxkbmap -query still says us); xdotool
# then types every character through a spare key code that it binds for the
# moment, which tests the text's way but not the layout's keys. Says which.
switched=1
use_layout() {
  setxkbmap "$1"
  sleep 0.5
  if setxkbmap -query | grep -q "^layout: *$1\$"; then
    switched=1
  else
    switched=0
    echo "note $1: the X server kept its keymap; characters are typed through spare key codes"
  fi
}

use_layout fr
dialog_on fr "dessin été 1.txt"
editor_on fr r "é" "dessin été 1.txt" q
# The dead circumflex then e: the X server composes it only through an input
# method; without one, the key gives no text and e gives "e".
log="$work/layout-dead.log"
"$screen/dialog_probe" >"$log" 2>&1 &
pid=$!
if await '^ready' "$log"; then
  read -r _ fx fy < <(grep '^ready' "$log")
  xdotool mousemove $((fx + 10)) $((fy + 8)) click 1
  xdotool key --delay 40 dead_circumflex e Return
  await '^okay' "$log" || true
  case $(grep '^okay' "$log") in
    "okay c3aa") echo "ok   fr: dead ^ then e types ê" ;;
    "okay 65") echo "note fr: this X server composes no dead keys without an input method (got e)" ;;
    *) fail "fr: dead ^ then e gave '$(grep '^okay' "$log")'" ;;
  esac
fi
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null

use_layout de
dialog_on de "Größe 2 ä.txt"
editor_on de r "ß" "Größe 2 ä.txt" q

use_layout ru
dialog_on ru "рисунок 1"
# Ctrl with the keys where R and Q are on a US keyboard (к, й); on a server
# that kept its keymap, those keys are still r and q.
if [ "$switched" = 1 ]; then
  editor_on ru Cyrillic_ka "ж" "рисунок 1" Cyrillic_shorti
else
  editor_on ru r "ж" "рисунок 1" q
fi

setxkbmap us
exit "$failures"
