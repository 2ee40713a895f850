#!/usr/bin/env bash
# clang-tidy over the game's sources with the project's naming rules. Run it
# before you stop; it needs a configured build/ (./test.sh makes one).
set -euo pipefail
cd "$(dirname "$0")"
command -v clang-tidy >/dev/null || { echo "apt-get install clang-tidy" >&2; exit 1; }
[ -f build/compile_commands.json ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
git ls-files -- 'src/*.cpp' ':!src/platform/web_*' | xargs -P"$(nproc)" -n4 clang-tidy -p build --quiet
# The browser's own files compile only against Emscripten's headers (./web.sh
# installs them).
sysroot=/usr/share/emscripten/cache/sysroot
mapfile -t web < <(git ls-files -- 'src/platform/web_*.cpp')
if [ -d "$sysroot" ] && [ ${#web[@]} -gt 0 ]; then
  clang-tidy --quiet "${web[@]}" -- -std=c++17 -Isrc -I.web-deps/prefix/include/SDL2 \
    --target=wasm32-unknown-emscripten -D__EMSCRIPTEN__ -nostdinc -isystem "$sysroot/include/c++/v1" \
    -isystem "$sysroot/include" -isystem /usr/share/emscripten/system/include
fi
