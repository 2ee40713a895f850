#!/usr/bin/env bash
# clang-tidy over the game's sources with the project's naming rules. Run it
# before you stop; it needs a configured build/ (./test.sh makes one).
set -euo pipefail
cd "$(dirname "$0")"
command -v clang-tidy >/dev/null || { echo "apt-get install clang-tidy" >&2; exit 1; }
[ -f build/compile_commands.json ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
git ls-files -- 'src/*.cpp' | xargs -P"$(nproc)" -n4 clang-tidy -p build --quiet
