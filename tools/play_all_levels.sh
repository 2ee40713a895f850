#!/usr/bin/env bash
# Outside the test suite: the automated player takes an untimed game through all
# 99 levels to the end-of-game picture and puts its name in the table, then the
# final save file and a summary are checked for plausibility.
#
# usage: tools/play_all_levels.sh [OUT [SEED [KINDS [DT]]]]
#   OUT    where game.sav, summary.txt and the final state go (default build/all-levels)
#   SEED   the player's first seed (default 1); a lost game tries the next one
#   KINDS  6, 7 or 8 piece kinds (default 6)
#   DT     the frame time in seconds once the game runs (default 0.05)
# Needs a built tree (tools/setup.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/data_links.sh
out=${1:-build/all-levels}
seed=${2:-1}
kinds=${3:-6}
dt=${4:-0.05}
replay=build/plumbrix-replay
[ -x "$replay" ] && [ -d build/data/bmp ] || { echo "build first: tools/setup.sh" >&2; exit 1; }
case $kinds in 6) kindButton="320 280" ;; 7) kindButton="320 317" ;; 8) kindButton="319 354" ;;
*) echo "KINDS is 6, 7 or 8" >&2; exit 2 ;; esac

mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/plumbrix-levels-XXXXXX")
trap 'rm -rf "$work"' EXIT

# Title, menu, New Game, untimed, the kinds, Start; then the player's frames.
cat >"$work/new-game.script" <<EOF
#! dt 0.015625
10 click 320 440
140 click 170 257
155 click 319 174
160 click $kindButton
165 click 407 402
200 dt $dt
EOF

# What the shell's time reports of a run: wall, user and system seconds.
TIMEFORMAT='%R %U %S'
attempts=0
while :; do
  attempts=$((attempts + 1))
  rm -rf "$work/data"
  fresh_data "$work/data" build/data
  status=0
  { time "$replay" --data "$work/data" --script "$work/new-game.script" --frames 5000000 \
    --autoplay "$seed" --until finish --state end:"$out/final-state.txt" \
    >"$work/stdout" 2>"$work/stderr" || status=$?; } 2>"$work/time"
  read -r wall user system <"$work/time"
  seconds=$(awk -v r="$wall" 'BEGIN { printf "%.1f", r }')
  cpu=$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.1f", u + s }')
  cat "$work/stdout" "$work/stderr"
  [ "$status" -eq 0 ] && break
  if [ "$status" -ne 4 ] || ! grep -q "was lost" "$work/stderr"; then
    echo "seed $seed: the run failed (status $status)" >&2
    exit 1
  fi
  seed=$((seed + 1))
done
cp "$work/data/game.sav" "$out/game.sav"

# Plausible: the file's frozen size; a finished game at level 99; the player's
# name in the untimed table of its kinds with the final score; and a score that
# fits the bar it filled (each clear pass adds 5 points and 0.2 x (kinds - 3) of
# bar per multiplier step, and 99 levels fill the bar of 73 at least 99 times).
field() { grep "^$1 " "$out/final-state.txt" | cut -d' ' -f2-; }
int_at() { od -An -t d4 -j "$1" -N 4 "$out/game.sav" | tr -d ' '; }
score=$(field score)
moves=$(sed -n 's/^autoplay: \([0-9]*\) moves.*/\1/p' "$work/stdout")
size=$(stat -c %s "$out/game.sav")
saved_level=$(int_at 5629)
# The untimed table's rows for these kinds: row r*6 + (kinds - 6), 104 bytes each from offset 13.
table_rank=
for rank in 0 1 2 3 4 5 6 7 8; do
  row=$((13 + (rank * 6 + kinds - 6) * 104))
  name=$(dd if="$out/game.sav" bs=1 skip="$row" count=100 status=none | tr '\0' '\n' | head -n 1)
  if [ "$name" = Autoplay ] && [ "$(int_at $((row + 100)))" = "$score" ]; then table_rank=$rank; fi
done
least=$(awk -v k="$kinds" 'BEGIN { printf "%d", 99 * 73 * 5 / (0.2 * (k - 3)) }')
problems=()
[ "$size" = 6933 ] || problems+=("the save file has $size bytes")
[ "$saved_level" = 99 ] || problems+=("the save file keeps level $saved_level")
[ "$(field noGameInProgress)" = 1 ] || problems+=("a game is still in progress")
[ "$(field endOfGameFlag)" = 0 ] || problems+=("the end picture is still up")
[ -n "$table_rank" ] || problems+=("no row of the table holds Autoplay with $score")
[ "$score" -ge "$least" ] || problems+=("the score $score is below the $least that 99 full bars need")

{
  echo "An untimed game of $kinds kinds through all 99 levels by the automated player"
  echo "seed $seed (after $attempts attempts), frame time $dt s"
  sed -n 's/^autoplay: /player: /p' "$work/stdout"
  echo "score $score, level $saved_level, table rank $table_rank, save file $size bytes"
  echo "took $seconds s, $cpu s of processor time, on this machine"
} >"$out/summary.txt"
cat "$out/summary.txt"
if [ ${#problems[@]} -gt 0 ]; then
  printf 'implausible: %s\n' "${problems[@]}" >&2
  exit 1
fi
echo "moves $moves; plausible."
