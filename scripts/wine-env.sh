# shellcheck shell=bash
# Sourced by the scripts that run Windows programs under Wine: makes one
# Wine prefix under the Windows build tree, starts one virtual X server
# (unless asked to use the caller's display) and stops both again when the
# sourcing shell exits, also on failure.
#
#   source scripts/wine-env.sh PREFIX_DIR [--use-display]
#
# Exports WINEPREFIX, WINEDEBUG=-all, WINEDLLOVERRIDES and DISPLAY, and sets
# the shell's EXIT, INT and TERM traps (replacing the caller's). Returns
# non-zero with a message on failure.

wine_env_prefix=${1:?usage: source scripts/wine-env.sh PREFIX_DIR [--use-display]}
wine_env_use_display=${2:-}
wine_env_xvfb_log=""
# shellcheck source=scripts/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

export WINEPREFIX="$wine_env_prefix"
export WINEDEBUG=-all
# No Mono or Gecko installer dialogs; no crash debugger, which would keep a
# crashed program alive until its test times out (without it, a crash ends
# the program at once, with the exception code's low byte as its status).
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
export WINEARCH=win64

# Stops the Wine server of our prefix and our X server; safe to call twice.
wine_env_stop() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    timeout 20 wineserver -k >/dev/null 2>&1 || true
  fi
  zt_stop_xvfb
  rm -f "$wine_env_xvfb_log"
}

trap wine_env_stop EXIT
trap 'wine_env_stop; exit 130' INT TERM

if [ "$wine_env_use_display" = "--use-display" ] && [ -n "${DISPLAY:-}" ]; then
  :
else
  wine_env_xvfb_log=$(mktemp)
  zt_start_xvfb "$wine_env_xvfb_log" || return 1
fi

mkdir -p "$(dirname "$WINEPREFIX")"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "creating the Wine prefix $WINEPREFIX"
fi
# wineboot also brings an existing prefix up to date and starts the server;
# waiting for the server makes sure the registry is written before tests run.
if ! timeout 180 wineboot --init >/dev/null 2>&1 || ! timeout 120 wineserver -w; then
  echo "error: Wine could not set up the prefix $WINEPREFIX within its time limit" >&2
  echo "       (try: rm -rf '$WINEPREFIX' and run again; WINEDEBUG=err+all shows why)" >&2
  return 1
fi
