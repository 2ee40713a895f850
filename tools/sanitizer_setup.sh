#!/usr/bin/env bash
# Configures and builds build-asan/: the tests, the headless driver and the
# fuzz targets with clang, AddressSanitizer (LeakSanitizer with it) and UBSan,
# every report fatal. It plays with the data of build/ (tools/setup.sh first).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh

packages=(clang libclang-rt-14-dev)
need_packages "The sanitizer build" "${packages[@]}"
[ -d build/data/bmp ] || { echo "build/data is missing: run tools/setup.sh first" >&2; exit 1; }

CC=clang CXX=clang++ cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPLUMBRIX_SANITIZE=ON -DPLUMBRIX_FUZZ=ON -DPLUMBRIX_DATA_DIR="$PWD/build/data" >/dev/null
cmake --build build-asan -j"$(nproc)"
