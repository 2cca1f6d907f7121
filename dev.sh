#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Swoonery developers <swoonery@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets up a Debian 12 machine for Swoonery and then plays or tests it.
#   ./dev.sh play   install what is missing, build, start the game
#   ./dev.sh test   install what is missing, build with sanitizers, run every test
#   ./dev.sh deb    install what is missing, build the Debian package into out/deb
#   ./dev.sh reuse  install reuse, check that every file states its licence
#   ./dev.sh format install clang-format, check that every C++ file is formatted
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libpulse-dev libglib2.0-dev libgl-dev libxkbcommon-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-dejavu-extra fonts-urw-base35
)
test_packages=(
  pulseaudio pulseaudio-utils sox xvfb xauth openbox libxcb1-dev strace
  # The latency benchmark, and Qt Multimedia for its bare window with sound.
  libx11-dev libxtst-dev libxdamage-dev qt6-multimedia-dev
  desktop-file-utils appstream xdotool
  dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0
)
deb_packages=(
  debhelper dpkg-dev fakeroot lintian git
)
reuse_packages=(reuse git)
format_packages=(clang-format git)

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "dev.sh: run as root or install sudo" >&2; exit 1; }
    sudo=(sudo)
  fi
  echo "dev.sh: installing ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)

case "${1:-}" in
  play)
    install_missing "${packages[@]}"
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSWOONERY_TESTS=OFF -DSWOONERY_BENCH=OFF
    cmake --build build -j "$jobs"
    exec ./build/bin/swoonery
    ;;
  test)
    install_missing "${packages[@]}" "${test_packages[@]}"
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSWOONERY_SANITIZE=ON
    cmake --build build-asan -j "$jobs"
    ctest --test-dir build-asan --output-on-failure -j "$jobs"
    ;;
  deb)
    install_missing "${packages[@]}" "${deb_packages[@]}"
    .ci/build-deb out/deb
    ;;
  reuse)
    install_missing "${reuse_packages[@]}"
    reuse lint
    ;;
  format)
    install_missing "${format_packages[@]}"
    tools/check-format.sh
    ;;
  *)
    echo "usage: ./dev.sh play | ./dev.sh test | ./dev.sh deb | ./dev.sh reuse | ./dev.sh format" >&2
    exit 2
    ;;
esac
