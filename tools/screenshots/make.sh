#!/usr/bin/env bash
# Regenerates the pictures in docs/screenshots/ from replay runs of the built
# game: the screens around the game, the board mid-cascade, the level banner,
# the name panel over the high scores, the end-of-game picture, and an animated
# GIF of a cascade. The frames of the game's moments are found in its state
# dumps, so a change of the game moves them with it; each picture is checked
# against the state it must show. Look at the pictures before committing them.
#
# usage: tools/screenshots/make.sh [OUT]   (default docs/screenshots; needs
# tools/setup.sh first, and ImageMagick's convert)
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/data_links.sh
out=${1:-docs/screenshots}
here=tools/screenshots
replay=$(pwd)/build/plumbrix-replay
[ -x "$replay" ] && [ -d build/data/bmp ] || { echo "build first: tools/setup.sh" >&2; exit 1; }
command -v convert >/dev/null || { echo "needs ImageMagick: apt-get install imagemagick" >&2; exit 1; }
mkdir -p "$out"
work=$(mktemp -d "${TMPDIR:-/tmp}/plumbrix-shots-XXXXXX")
trap 'rm -rf "$work"' EXIT

# A fresh data folder (links to the generated files, no save file) for a run.
fresh() {
  rm -rf "$work/$1" && mkdir -p "$work/$1/out"
  fresh_data "$work/$1/data" build/data
}

# Runs the driver in a run's folder; the rest are the driver's arguments.
play() {
  local run=$1
  shift
  "$replay" --data "$work/$run/data" --out "$work/$run/out" "$@" >"$work/$run/said" 2>&1 ||
    { cat "$work/$run/said" >&2; exit 1; }
}

# A picture without a time stamp, so that an unchanged picture gives the same file.
png() {
  convert "$1" -strip -define png:exclude-chunks=date,time "$out/$2"
  echo "$out/$2"
}

# One state value after a frame of a run.
value() {
  sed -n "s/^$3 //p" "$work/$1/out/state-$2.txt"
}

# --state arguments for every frame from $1 to $2.
every_state() {
  local f
  for ((f = $1; f <= $2; f++)); do echo "--state $f:$work/$3/out/state-$f.txt"; done
}

# Frames of a run, from the driver's summary line.
frames_of() {
  sed -n 's/^autoplay: .*, \([0-9]*\) frames,.*/\1/p' "$work/$1/said"
}

# The screens around the game.
fresh screens
play screens --script "$here/screens.script"
png "$work/screens/out/shot-60.bmp" title.png
png "$work/screens/out/shot-200.bmp" menu.png
png "$work/screens/out/shot-350.bmp" options.png
png "$work/screens/out/shot-520.bmp" setup.png

# A game through its first level: the cascade is the frame with the most pieces
# in the air while the board falls, the banner 30 frames after it first shows.
game=(--script "$here/game.script" --autoplay 2 --think 0.5 --until level:2 --frames 20000)
fresh game
play game "${game[@]}"
last=$(($(frames_of game) - 1))
fresh game
# shellcheck disable=SC2046  # one word per argument
play game "${game[@]}" $(every_state 260 "$last" game)
cascade=$(cd "$work/game/out" && grep -l '^falling 1' state-*.txt | xargs grep -H '^flyers ' |
  sed 's/state-\([0-9]*\).txt:flyers /\1 /' | sort -k2,2nr -k1,1n | head -n 1 | cut -d' ' -f1)
banner=$(cd "$work/game/out" && grep -l '^gamePhase 2' state-*.txt | sed 's/state-\([0-9]*\).txt/\1/' |
  sort -n | head -n 1)
[ -n "$cascade" ] && [ -n "$banner" ] || { echo "no cascade or no banner in the game" >&2; exit 1; }
banner=$((banner + 30))
[ "$(value game "$banner" gamePhase)" = 2 ] || { echo "the banner is gone at frame $banner" >&2; exit 1; }
echo "cascade at frame $cascade with $(value game "$cascade" flyers) pieces in the air, banner at $banner"
fresh game
shots=()
for ((f = cascade - 20; f <= cascade + 40; f++)); do shots+=(--shot "$f:$work/game/out/gif-$(printf %04d $f).bmp"); done
play game "${game[@]}" --shot "$cascade:$work/game/out/cascade.bmp" --shot "$banner:$work/game/out/banner.bmp" \
  "${shots[@]}"
png "$work/game/out/cascade.bmp" board.png
png "$work/game/out/banner.bmp" banner.png
# 32 frames a second, at half size: a few hundred kilobytes.
convert -delay 3x100 -loop 0 "$work"/game/out/gif-*.bmp -scale 50% -layers Optimize "$out/cascade.gif"
echo "$out/cascade.gif"

# A timed game of a slow player runs out; the name panel opens and the player
# types its name: the picture shows the panel with the name before Return.
timed=(--script "$here/timed.script" --autoplay 1 --think 30 --name Chef)
fresh timed
play timed "${timed[@]}" --until name-entry --frames 40000
# The panel opened in the run's last frame; the player types one character a
# frame from the second frame after it.
typed=$(($(frames_of timed) + 3))
fresh timed
play timed "${timed[@]}" --frames $((typed + 1)) --shot "$typed:$work/timed/out/names.bmp" \
  --state "$typed:$work/timed/out/state-$typed.txt"
[ "$(value timed "$typed" nameBuffer)" = Chef_ ] && [ "$(value timed "$typed" nameEntryActive)" = 1 ] ||
  { echo "the name panel does not show the typed name at frame $typed" >&2; exit 1; }
png "$work/timed/out/names.bmp" high-scores.png

# The end of the game: a game left after one move, its save file moved on to
# level 99 with an almost full bar, resumed and finished by the player; the
# picture shows the end-of-game panel once it has slid in.
fresh end
play end --script "$here/game.script" --autoplay 1 --until leave:1 --frames 20000
last99=$work/level99.sav
cp "$work/end/data/game.sav" "$last99"
printf '\x63\x00\x00\x00' | dd of="$last99" bs=1 seek=5629 conv=notrunc status=none # level 99
printf '\x00\x00\x90\x42' | dd of="$last99" bs=1 seek=5 conv=notrunc status=none    # bar 72
printf '\x00\x00\x90\x42' | dd of="$last99" bs=1 seek=9 conv=notrunc status=none    # shown bar 72
resumed() {
  fresh end
  cp "$last99" "$work/end/data/game.sav"
  play end --script "$here/resume.script" --autoplay 1 "$@"
}
# shellcheck disable=SC2046  # one word per argument
resumed --frames 3000 $(every_state 200 3000 end)
ended=$(cd "$work/end/out" && grep -l '^endOfGameFlag 1' state-*.txt | sed 's/state-\([0-9]*\).txt/\1/' |
  sort -n | head -n 1)
[ -n "$ended" ] || { echo "the resumed game did not end" >&2; exit 1; }
shown=$((ended + 30))
resumed --frames $((shown + 1)) --shot "$shown:$work/end/out/end.bmp" --state "$shown:$work/end/out/state-$shown.txt"
[ "$(value end "$shown" endOfGameFlag)" = 1 ] || { echo "no end picture at frame $shown" >&2; exit 1; }
png "$work/end/out/end.bmp" end.png
