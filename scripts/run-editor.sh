#!/usr/bin/env bash
# Builds the shape editor and starts it on your display: the native program,
# in real windows through the layer's screen driver. Arguments go to the
# editor. Files it writes (ZT738.SCR, drawings) land in the directory you
# run this from.
#
#   scripts/run-editor.sh                 native, on $DISPLAY (or Wayland)
#   scripts/run-editor.sh --wine          the Windows program under Wine
#   scripts/run-editor.sh --xvfb [--wine] in a virtual X server, invisible: a
#                                         smoke run that ends when the editor
#                                         quits or you press Ctrl+C
set -euo pipefail
here=$PWD
cd "$(dirname "$0")/.."
root=$PWD

xvfb=0
wine=0
while [ $# -gt 0 ]; do
  case $1 in
    --xvfb) xvfb=1 ;;
    --wine) wine=1 ;;
    *) break ;;
  esac
  shift
done

if [ "$xvfb" = 0 ] && [ -z "${DISPLAY:-}" ] && { [ "$wine" = 1 ] || [ -z "${WAYLAND_DISPLAY:-}" ]; }; then
  cat >&2 <<'EOF'
run-editor: no display (DISPLAY is not set).
Run this from a desktop session, over "ssh -X", or with DISPLAY set to a
running X server. To start it anyway in an invisible virtual X server, run:
  scripts/run-editor.sh --xvfb
EOF
  exit 2
fi

bash scripts/install-deps.sh

if [ "$wine" = 1 ]; then
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
fi

cmake --preset native >/dev/null
cmake --build --preset native --target zt738_editor
export ZT738_VIDEO=sdl
cd "$here"
if [ "$xvfb" = 1 ]; then
  echo "run-editor: starting the editor in a virtual X server; it is not visible."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/native/editor/zt738_editor" "$@"
fi
exec "$root/build/native/editor/zt738_editor" "$@"
