#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: installs the Debian packages the game
# needs when any is missing (and those of the real-window tests and
# bench/window.sh: a virtual X server, a window manager, scripted input; and
# ImageMagick for tools/screenshots/make.sh), then
# configures and builds into build/ (Release) and generates the runtime data
# folder build/data/.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh

packages=(
  cmake g++ make pkg-config
  libsdl2-dev libopenal-dev libvorbis-dev libjpeg62-turbo-dev
  libcairo2-dev fonts-dejavu-core xdg-utils
  libgtest-dev libbenchmark-dev clang-format cppcheck
  dpkg-dev desktop-file-utils appstream
  xvfb openbox xdotool libx11-dev libxdamage-dev dbus-daemon imagemagick
)

need_packages "Plumbrix" "${packages[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
if cmake --build build --target help | grep plumbrix-data >/dev/null; then
  cmake --build build --target plumbrix-data
fi
mkdir -p build/data
