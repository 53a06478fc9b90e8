#!/usr/bin/env bash
# The web phase: installs what it needs (scripts/install-web-deps.sh), builds
# the pages with the web preset and runs them in headless Chromium
# (tests/web/run.mjs), printing the measures and the pages' sizes.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-web-deps.sh
cmake --preset web >/dev/null
nice -n 10 cmake --build --preset web
echo "pages' files (bytes):"
(cd build/web && ls -l -- *.html *.js *.wasm *.data | awk '{ print $5, $9 }')
node tests/web/run.mjs build/web
