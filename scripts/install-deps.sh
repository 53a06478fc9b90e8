#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Idempotent: does nothing when everything is already there.
set -euo pipefail

packages=(
  # native build and tests
  cmake g++ make pkg-config clang libclang-rt-14-dev clang-format googletest libgtest-dev libbenchmark-dev
  libfreetype-dev libfontconfig-dev fonts-dejavu-core
  # zt738-replay writes PNG files
  libpng-dev
  # zt738-grade's report opened in a headless browser by its tests
  chromium
  # the consumer checks: the Windows ZIP's contents
  unzip
  # the Debian package's Depends (dpkg-shlibdeps reads them off the programs)
  dpkg-dev file
  # on-screen windows
  libsdl2-dev
  # Windows build and its tests under Wine in a virtual X server
  g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth xdotool imagemagick
  # Wine's X11 driver and fonts, named so that a missing one is noticed (apt
  # also installs the packages' other recommendations).
  fonts-wine fonts-liberation libxrender1 libxrandr2 libxi6 libxcursor1 libxcomposite1
  libxinerama1 libxfixes3 libxxf86vm1
  # the screen driver under real desktops' window managers (xfwm4 reads its
  # settings over D-Bus), xprop and xwininfo, and a Wayland compositor
  xfwm4 openbox dbus x11-utils weston
  # text in any script: a small CJK font for the fallback tests; keyboard layouts for screen tests
  fonts-wqy-microhei x11-xkb-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
