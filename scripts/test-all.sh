#!/usr/bin/env bash
# Builds everything and runs every test: the native build, the native build
# under AddressSanitizer + UndefinedBehaviorSanitizer, and the Windows build
# under Wine. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

step() { echo; echo "=== $* ($(date +%T))"; }

step "install"
bash scripts/install-deps.sh

step "format"
bash scripts/check-format.sh

step "native build"
cmake --preset native >/dev/null
cmake --build --preset native
step "native tests"
ctest --preset native

step "sanitizer build"
cmake --preset asan >/dev/null
cmake --build --preset asan
step "sanitizer tests"
ctest --preset asan

echo
echo "all tests passed"
