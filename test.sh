#!/usr/bin/env bash
# Sets everything up, checks the house style (formatting, cppcheck, ./lint.sh) and runs
# the whole test suite, then the sanitizer suite and the fuzzers.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh

# The sanitizer build (clang, into build-asan/) needs only build/data, so it
# goes on beside the checks and the plain suite, which leave a core idle much
# of the time; its output waits in a log until it is needed.
# It runs in a process group of its own, so that a failure here stops the
# cmake and the compilers under it too, not only the script.
mkdir -p build-asan
setsid tools/sanitizer_setup.sh >build-asan/build.log 2>&1 &
sanitizer_build=$!
trap 'kill -- -"$sanitizer_build" 2>/dev/null || true' EXIT

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

# The Windows version: cross-built (the libraries once, into .windows-deps/),
# zipped, and played under Wine.
./windows.sh
tests/windows/run.sh

# The same suite again under AddressSanitizer, LeakSanitizer and UBSan (every
# report fatal); then every fuzz target for twenty seconds. See docs/ROBUSTNESS.md.
echo "Waiting for the sanitizer build..."
if ! wait "$sanitizer_build"; then
  cat build-asan/build.log >&2
  exit 1
fi
(
  cd build-asan
  export UBSAN_OPTIONS=print_stacktrace=1
  ctest --output-on-failure -j2
)
./fuzz.sh 20
