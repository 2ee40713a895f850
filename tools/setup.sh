#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: installs the Debian packages the game
# needs when any is missing (and those of the real-window tests and
# bench/window.sh: a virtual X server, a window manager, scripted input; and
# ImageMagick for tools/screenshots/make.sh), then
# configures and builds into build/ (Release) and generates the runtime data
# folder build/data/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake g++ make pkg-config
  libsdl2-dev libopenal-dev libvorbis-dev libjpeg62-turbo-dev
  libcairo2-dev fonts-dejavu-core xdg-utils
  libgtest-dev libbenchmark-dev clang-format cppcheck
  dpkg-dev desktop-file-utils appstream
  xvfb openbox xdotool libx11-dev libxdamage-dev dbus-daemon imagemagick
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Plumbrix needs these Debian packages; please run:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
if cmake --build build --target help | grep plumbrix-data >/dev/null; then
  cmake --build build --target plumbrix-data
fi
mkdir -p build/data
