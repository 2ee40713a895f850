#!/usr/bin/env bash
# The house style: clang-tidy with the project's naming rules over the game, the tools
# and the benchmarks (with --tests, the tests too, which cost as much again), two files
# at a time, any finding an error; and the one naming rule clang-tidy cannot express,
# over everything. Needs a configured build/ (./test.sh makes one).
set -euo pipefail
cd "$(dirname "$0")"
command -v clang-tidy >/dev/null || { echo "apt-get install clang-tidy" >&2; exit 1; }
[ -f build/compile_commands.json ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null

# camelBack lets a k prefix through (kScreenW); constants are named like variables.
if git grep -nE '\b(constexpr|const)\b[^=;(]*\bk[A-Z][A-Za-z0-9]*\s*(=|\{|\[)' -- \
  'src/*.cpp' 'src/*.h' 'tools/*.cpp' 'tools/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp'; then
  echo "lint: name constants in camelBack, without a k prefix" >&2
  exit 1
fi

folders=('src/*.cpp' 'tools/*.cpp' 'bench/*.cpp')
if [ "${1:-}" = "--tests" ]; then
  # The fence's test files exist to fail to build.
  folders+=('tests/*.cpp' ':!tests/fence/*')
fi
# Every file the build compiles: the benchmarks only when Google Benchmark is there.
files=()
while IFS= read -r f; do
  if grep -qF "\"$PWD/$f\"" build/compile_commands.json; then
    files+=("$f")
  fi
done < <(git ls-files -- "${folders[@]}")
# clang-tidy counts the warnings it hid in system headers on every file; only findings matter.
printf '%s\n' "${files[@]}" | xargs -P2 -n2 clang-tidy -p build --quiet --warnings-as-errors='*' 2>&1 |
  { grep -v '^[0-9]* warnings\? generated\.$' || true; }

# The browser's own files compile only against Emscripten's headers and the SDL
# that ./web.sh builds; they are checked once it has run.
sysroot=/usr/share/emscripten/cache/sysroot
mapfile -t web < <(git ls-files -- 'src/platform/web_*.cpp')
if [ -d "$sysroot" ] && [ -f .web-deps/prefix/include/SDL2/SDL.h ] && [ ${#web[@]} -gt 0 ]; then
  clang-tidy --quiet --warnings-as-errors='*' "${web[@]}" -- -std=c++17 -Isrc -I.web-deps/prefix/include/SDL2 \
    --target=wasm32-unknown-emscripten -D__EMSCRIPTEN__ -nostdinc -isystem "$sysroot/include/c++/v1" \
    -isystem "$sysroot/include" -isystem /usr/share/emscripten/system/include 2>&1 |
    { grep -v '^[0-9]* warnings\? generated\.$' || true; }
fi

# Windows' own files likewise, against mingw-w64's headers and the SDL that
# ./windows.sh builds.
gxx=$(ls -d /usr/lib/gcc/x86_64-w64-mingw32/*-posix/include/c++ 2>/dev/null | head -n1)
mapfile -t win < <(git ls-files -- 'src/platform/win_*.cpp')
if [ -n "$gxx" ] && [ -f .windows-deps/prefix/include/SDL2/SDL.h ] && [ ${#win[@]} -gt 0 ]; then
  clang-tidy --quiet --warnings-as-errors='*' "${win[@]}" -- -std=c++17 -Isrc \
    -isystem .windows-deps/prefix/include/SDL2 --target=x86_64-w64-mingw32 -isystem "$gxx" \
    -isystem "$gxx/x86_64-w64-mingw32" 2>&1 | { grep -v '^[0-9]* warnings\? generated\.$' || true; }
fi
