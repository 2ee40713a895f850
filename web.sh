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

# The pictures, sounds, music and help page come from the desktop build.
[ -f build/data/ReadMe.htm ] || tools/setup.sh

start=$(date +%s)
tools/web/build_libs.sh .web-deps
libs=$(date +%s)
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DPLUMBRIX_WEB_DEPS="$PWD/.web-deps/prefix" \
  -DPLUMBRIX_WEB_DATA="$PWD/build/data" >/dev/null
cmake --build build-web -j"$(nproc)" --target plumbrix

site=build-web/site
rm -rf "$site" && mkdir -p "$site"
cp packaging/web/index.html build-web/plumbrix.js build-web/plumbrix.wasm build-web/plumbrix.data \
  build/data/ReadMe.htm "$site/"
echo "Browser build in $site (libraries $((libs - start)) s, game $(($(date +%s) - libs)) s)"
