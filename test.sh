#!/usr/bin/env bash
# Sets everything up, checks the house style (formatting, cppcheck, ./lint.sh) and runs
# the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh

sources=$(git ls-files -- 'src/*.cpp' 'src/*.h' 'tools/*.cpp' 'tools/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp')
echo "Checking formatting..."
clang-format --dry-run -Werror $sources
echo "Running cppcheck..."
cppcheck --quiet --error-exitcode=1 --std=c++17 --language=c++ --inline-suppr \
  --enable=warning,performance,portability -I src src
echo "Running clang-tidy..."
./lint.sh

(cd build && ctest --output-on-failure -j2)

# The browser version: built (the libraries once, into .web-deps/) and played in
# headless Chromium.
./web.sh
tests/web/run.sh
