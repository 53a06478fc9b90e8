#!/usr/bin/env bash
# Builds the shape editor and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native --target zt738_editor
exec build/native/editor/zt738_editor "$@"
