#!/usr/bin/env bash
# Builds the game for the browser into build-web/site/, a static folder that any
# file server can host (python3 -m http.server --directory build-web/site).
# The libraries are built once into .web-deps/; later runs only rebuild the game.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh

packages=(emscripten node-acorn dpkg-dev chromium)
# npm counts when it is on the path, from whatever source.
command -v npm >/dev/null || packages+=(npm)
need_packages "The browser build" "${packages[@]}"
# Debian's emcc finds acorn, which its optimiser needs, only through NODE_PATH.
export NODE_PATH=/usr/share/nodejs

# The pictures, sounds, music, help page and icons come from the desktop build.
[ -f build/data/ReadMe.htm ] && [ -d build/icons/hicolor ] || tools/setup.sh

start=$(date +%s)
tools/web/build_libs.sh .web-deps
libs=$(date +%s)
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DPLUMBRIX_WEB_DEPS="$PWD/.web-deps/prefix" >/dev/null
cmake --build build-web -j"$(nproc)" --target plumbrix

site=build-web/site
packaging/web/site.py --js build-web/plumbrix.js --wasm build-web/plumbrix.wasm --data build/data \
  --icons build/icons/hicolor --out "$site"
echo "Browser build in $site (libraries $((libs - start)) s, game $(($(date +%s) - libs)) s)"
