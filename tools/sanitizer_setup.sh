#!/usr/bin/env bash
# Configures and builds build-asan/: the tests, the headless driver and the
# fuzz targets with clang, AddressSanitizer (LeakSanitizer with it) and UBSan,
# every report fatal. It plays with the data of build/ (tools/setup.sh first).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "The sanitizer build needs these Debian packages; please run:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi
[ -d build/data/bmp ] || { echo "build/data is missing: run tools/setup.sh first" >&2; exit 1; }

CC=clang CXX=clang++ cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPLUMBRIX_SANITIZE=ON -DPLUMBRIX_FUZZ=ON -DPLUMBRIX_DATA_DIR="$PWD/build/data" >/dev/null
cmake --build build-asan -j"$(nproc)"
