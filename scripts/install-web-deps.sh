#!/usr/bin/env bash
# Installs what the web build and its browser tests need, and builds FreeType
# for the web: Debian's Emscripten and Chromium (without their recommended
# packages), FreeType built with Emscripten from Debian's own source package
# (cached in build/web-deps, never committed), and the browser tests' npm
# packages (pinned in tests/web/package-lock.json).
# Idempotent: a second run finds everything in place and does nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

packages=(emscripten chromium fonts-dejavu-core cmake make python3 xz-utils dpkg-dev)
# A node with its own npm may be installed already (Debian's npm conflicts with it).
command -v npm >/dev/null || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

# FreeType's source comes from Debian's source package: that needs a deb-src line.
src_list=/etc/apt/sources.list.d/zt738-debian-src.sources
need_update=0
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
  echo "Adding the bookworm main source line: $src_list"
  printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' |
    $sudo tee "$src_list" >/dev/null
  need_update=1
fi
if [ ${#missing[@]} -gt 0 ] || [ $need_update -eq 1 ]; then
  $sudo apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Debian's node does not look in Debian's module folder, where emcc's acorn is.
export NODE_PATH=/usr/share/nodejs

deps=build/web-deps
freetype_lib=$deps/freetype/lib/libfreetype.a
if [ ! -f "$freetype_lib" ]; then
  mkdir -p "$deps/src"
  (cd "$deps/src" && apt-get source --download-only freetype >/dev/null)
  orig=$(ls "$deps"/src/freetype_*.orig.tar.xz | head -n 1)
  rm -rf "$deps/freetype-src" && mkdir -p "$deps/freetype-src"
  tar -xJf "$orig" -C "$deps/freetype-src" --strip-components=1
  # Only what the layer uses: no compressed fonts, no PNG glyphs, no shaping.
  emcmake cmake -S "$deps/freetype-src" -B "$deps/freetype-build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$PWD/$deps/freetype" -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON \
    -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON >/dev/null
  nice -n 10 cmake --build "$deps/freetype-build" -j2 >/dev/null
  cmake --install "$deps/freetype-build" >/dev/null
  echo "FreeType for the web: $freetype_lib"
fi

if [ ! -d tests/web/node_modules/playwright-core ]; then
  (cd tests/web && npm ci --no-audit --no-fund --silent)
fi
