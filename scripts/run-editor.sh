#!/usr/bin/env bash
# Builds the shape editor for Windows and starts it under Wine on your X
# display (our own Win32 layer has no on-screen windows on Linux yet).
# Arguments go to the editor. Files it writes (ZT738.SCR, drawings) land in
# the directory you run this from.
#
#   scripts/run-editor.sh            on $DISPLAY
#   scripts/run-editor.sh --xvfb     in a virtual X server, invisible: a smoke
#                                    run that ends when the editor quits or
#                                    you press Ctrl+C
set -euo pipefail
here=$PWD
cd "$(dirname "$0")/.."
root=$PWD

xvfb=0
if [ "${1:-}" = "--xvfb" ]; then
  xvfb=1
  shift
fi

if [ "$xvfb" = 0 ] && [ -z "${DISPLAY:-}" ]; then
  cat >&2 <<'EOF'
run-editor: no X display (DISPLAY is not set).
The editor is a Windows program shown through Wine, so it needs an X display:
run this from a desktop session, over "ssh -X", or with DISPLAY set to a
running X server. To start it anyway in an invisible virtual X server, run:
  scripts/run-editor.sh --xvfb
EOF
  exit 2
fi

bash scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target zt738_editor

if [ "$xvfb" = 1 ]; then
  echo "run-editor: starting the editor in a virtual X server; it is not visible."
  # shellcheck source=scripts/wine-env.sh
  source scripts/wine-env.sh "$root/build/windows/wineprefix"
else
  # shellcheck source=scripts/wine-env.sh
  source scripts/wine-env.sh "$root/build/windows/wineprefix" --use-display
fi
echo "run-editor: the editor runs on display $DISPLAY"
cd "$here"
status=0
wine "$root/build/windows/editor/zt738_editor.exe" "$@" || status=$?
exit "$status"
