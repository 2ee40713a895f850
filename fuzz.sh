#!/usr/bin/env bash
# Fuzzes the readers of every file a player can damage: builds the fuzz targets
# into build-asan/ (clang's libFuzzer with AddressSanitizer and UBSan) and runs
# each for SECONDS (default 60), two at a time. Corpora grow in
# build-asan/fuzz/corpus/TARGET, seeded from build/data, the seed maker and
# tests/fuzz/seeds/. A crash, hang, leak, allocation over 64 MiB or sanitizer
# report fails the run and leaves its input in build-asan/fuzz/findings/.
#
#   usage: ./fuzz.sh [SECONDS] [TARGET...]      targets: save bmp jpeg wave music
set -euo pipefail
cd "$(dirname "$0")"
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(save bmp jpeg wave music)

[ -f build-asan/CMakeCache.txt ] || tools/sanitizer_setup.sh
cmake --build build-asan -j"$(nproc)" --target fuzz_make_seeds $(printf 'fuzz_%s ' "${targets[@]}") >/dev/null

work=$PWD/build-asan/fuzz
rm -rf "$work/seeds" "$work/logs"
mkdir -p "$work/seeds" "$work/logs" "$work/findings"
build-asan/tests/fuzz/fuzz_make_seeds "$work/seeds"
data=build/data
cp "$data"/bmp/*.bmp "$work/seeds/bmp/"
find "$data/bmp" -maxdepth 1 -iname '*.jpg' -exec cp {} "$work/seeds/jpeg/" \;
cp "$data"/sound/*.wav "$work/seeds/wave/"
# The tracks' headers and first pages: whole tracks would only slow the fuzzer.
for track in "$data"/music/*.ogg; do
  head -c 65536 "$track" >"$work/seeds/music/$(basename "$track")"
done
for t in "${targets[@]}"; do
  for committed in tests/fuzz/seeds/$t tests/fuzz/regressions/$t; do
    [ -d "$committed" ] && cp "$committed"/* "$work/seeds/$t/" 2>/dev/null || true
  done
  mkdir -p "$work/corpus/$t"
done

export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
run_one() {
  local t=$1
  # Ten seconds for one input under the sanitizers is ten times the bound the
  # game keeps; one allocation over 64 MiB breaks the bound by itself.
  build-asan/tests/fuzz/fuzz_"$t" -max_total_time="$seconds" -timeout=10 -malloc_limit_mb=64 \
    -close_fd_mask=3 -print_final_stats=1 -artifact_prefix="$work/findings/$t-" \
    "$work/corpus/$t" "$work/seeds/$t" >"$work/logs/$t.log" 2>&1
}
export -f run_one
export seconds work
status=0
printf '%s\n' "${targets[@]}" | xargs -P2 -I{} bash -c 'run_one {}' || status=1

for t in "${targets[@]}"; do
  log=$work/logs/$t.log
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  corpus=$(ls "$work/corpus/$t" | wc -l)
  bytes=$(du -sk "$work/corpus/$t" | cut -f1)
  echo "fuzz $t: ${runs:-?} executions in ${seconds} s, corpus $corpus inputs (${bytes} KiB)"
  if grep -qE "^==[0-9]+==ERROR|runtime error:|SUMMARY: libFuzzer|ERROR: libFuzzer" "$log"; then
    status=1
    echo "fuzz $t found something:" >&2
    grep -E -A30 "^==[0-9]+==ERROR|runtime error:|ERROR: libFuzzer" "$log" | head -n 60 >&2
  fi
done
exit $status
