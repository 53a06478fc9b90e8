#!/usr/bin/env bash
# Serves the web build's pages (build/web, or the folder given) on 127.0.0.1
# and prints the address of the editor's page; Ctrl+C stops it. A browser
# cannot load the pages' .wasm from file://, hence a server.
# Usage: scripts/serve-web.sh [FOLDER] (ZT738_WEB_PORT picks the port, default 8738)
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-build/web}
port=${ZT738_WEB_PORT:-8738}
if [ ! -f "$folder/zt738-editor.html" ]; then
  echo "serve-web: no pages in $folder; build them: cmake --preset web && cmake --build --preset web" >&2
  exit 1
fi
echo "The editor: http://127.0.0.1:$port/zt738-editor.html"
echo "The examples: http://127.0.0.1:$port/bouncing_ball.html http://127.0.0.1:$port/word_board.html"
exec python3 -m http.server --bind 127.0.0.1 --directory "$folder" "$port"
