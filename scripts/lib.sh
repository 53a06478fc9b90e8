# shellcheck shell=bash
# Sourced by the scripts that drive programs on an X server: a private Xvfb,
# waiting for a window, a file or a line in a log, and screenshots.
#
#   source scripts/lib.sh
#
# Needs Xvfb, xdotool and ImageMagick's import (scripts/install-deps.sh).
# Defines functions and the variable zt_xvfb_pid only; sets no traps.

zt_xvfb_pid=${zt_xvfb_pid:-}

# zt_start_xvfb [LOG]: a private X server with a 24-bit 1280 x 1024 screen,
# no access control, local sockets only, on a display number that it picks
# itself (the first free one, reported through -displayfd, so that parallel
# runs cannot race for a number). Exports DISPLAY and sets zt_xvfb_pid;
# returns non-zero with the server's output on stderr when it has not
# started within 30 s.
zt_start_xvfb() {
  local log=${1:-/dev/null} number_file number=""
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -ac 3>"$number_file" >"$log" 2>&1 &
  zt_xvfb_pid=$!
  for _ in $(seq 1 300); do
    number=$(tr -dc 0-9 <"$number_file")
    [ -n "$number" ] && break
    kill -0 "$zt_xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$number_file"
  if [ -z "$number" ]; then
    echo "error: Xvfb did not start within 30 s" >&2
    [ -f "$log" ] && cat "$log" >&2
    zt_stop_xvfb
    return 1
  fi
  export DISPLAY=":$number"
}

# zt_stop_xvfb: ends the server that zt_start_xvfb started (if any) and waits
# for it, 5 s before it is killed; safe to call twice.
zt_stop_xvfb() {
  [ -n "$zt_xvfb_pid" ] || return 0
  kill "$zt_xvfb_pid" 2>/dev/null
  timeout 5 tail -s 0.1 --pid="$zt_xvfb_pid" -f /dev/null 2>/dev/null || kill -9 "$zt_xvfb_pid" 2>/dev/null
  wait "$zt_xvfb_pid" 2>/dev/null
  zt_xvfb_pid=""
  return 0
}

# zt_wait_window TITLE SECONDS [PID]: prints the id of a visible X window
# titled exactly TITLE as soon as one shows. Fails after SECONDS, or as soon
# as process PID (the program that should show it) has ended.
zt_wait_window() {
  local title=$1 seconds=$2 pid=${3:-} found
  found=$(mktemp)
  timeout "$seconds" xdotool search --sync --onlyvisible --name "^$title\$" >"$found" 2>/dev/null &
  local search=$!
  if [ -n "$pid" ]; then
    # tail --pid ends with PID: whichever ends first ends the other.
    tail -s 0.1 --pid="$pid" -f /dev/null >/dev/null 2>&1 &
    local watcher=$!
    wait -n "$search" "$watcher" 2>/dev/null
    kill "$search" "$watcher" 2>/dev/null
    wait "$watcher" 2>/dev/null
  fi
  wait "$search" 2>/dev/null
  local id
  id=$(head -n 1 "$found")
  rm -f "$found"
  [ -n "$id" ] || return 1
  echo "$id"
}

# zt_wait_window_gone TITLE SECONDS: until no visible X window has that
# title (xdotool waits only for windows to come); fails after SECONDS.
zt_wait_window_gone() {
  local end=$((SECONDS + $2))
  while xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.1
  done
}

# zt_wait_focus WINDOW SECONDS: until WINDOW has the X keyboard focus.
zt_wait_focus() {
  local end=$((SECONDS + $2))
  until [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.1
  done
}

# zt_wait_line PATTERN FILE SECONDS: until FILE has a line matching the
# grep pattern PATTERN (a file that its writer has not made
# yet is no error); fails after SECONDS.
zt_wait_line() {
  local end=$((SECONDS + $3))
  until grep -qs -- "$1" "$2"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.1
  done
}

# zt_wait_file FILE SECONDS [BYTES]: until FILE exists and holds at least
# BYTES bytes (default 1); fails after SECONDS.
zt_wait_file() {
  local end=$((SECONDS + $2)) bytes=${3:-1}
  until [ -f "$1" ] && [ "$(stat -c %s "$1")" -ge "$bytes" ]; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.1
  done
}

# zt_wait_exit PID SECONDS: until process PID (a child of this shell) has
# ended; fails, leaving it running, after SECONDS.
zt_wait_exit() {
  timeout "$2" tail -s 0.1 --pid="$1" -f /dev/null 2>/dev/null
}

# zt_screenshot FILE [AREA]: the X screen, or its AREA (WIDTHxHEIGHT+X+Y),
# 8 bits a channel, into FILE in the format its name says (png:, rgb:, ...).
zt_screenshot() {
  local crop=()
  [ -n "${2:-}" ] && crop=(-crop "$2" +repage)
  import -window root "${crop[@]}" -depth 8 "$1" 2>/dev/null
}

# zt_client_area WINDOW: sets client_x and client_y to the screen position of
# the client area of a graphics window (the package's, 496 rows high). Its X
# window, the layer's or Wine's, holds the menu bar above the client area,
# which is therefore its bottom 496 rows. Also sets X, Y, WIDTH and HEIGHT to
# the X window's geometry.
zt_client_area() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  # shellcheck disable=SC2034 # read by the sourcing script
  client_x=$X
  # shellcheck disable=SC2034
  client_y=$((Y + HEIGHT - 496))
}
