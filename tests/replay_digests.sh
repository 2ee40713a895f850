#!/usr/bin/env bash
# Replays every script in tests/replays/ on a fresh copy of the generated data,
# with the driver's per-frame checks, and compares the digests of its pictures,
# its state dumps and the save file it leaves with tests/replays/digests.txt.
# With PLUMBRIX_RECORD_DIGESTS=1 it writes that file instead, after two runs of
# every script have agreed.
#
# usage: replay_digests.sh REPLAY DATA SCRIPTS   (CTest passes all three)
set -euo pipefail
export LC_ALL=C
source "$(dirname "${BASH_SOURCE[0]}")/../tools/data_links.sh"
replay=$1
data=$2
scripts=$3
digests=$scripts/digests.txt

work=$(mktemp -d "${TMPDIR:-/tmp}/plumbrix-replays-XXXXXX")
trap 'rm -rf "$work"' EXIT

# Runs one script into $work/ROUND/NAME, after the script whose save file it
# starts from (its "#! save-from" header), and prints "NAME ARTIFACT DIGEST"
# lines for every picture and state it wrote and for its final save file.
run_script() {
  local round=$1 name=$2
  local dir=$work/$round/$name
  [ -e "$dir/digests" ] && return 0
  if [ -e "$dir" ]; then
    echo "$name: its save-from chain comes back to itself" >&2
    return 1
  fi
  mkdir -p "$dir/data" "$dir/out"
  local from
  from=$(sed -n 's/^[[:space:]]*#![[:space:]]*save-from[[:space:]]\{1,\}\([^[:space:]]*\).*/\1/p' \
    "$scripts/$name" | head -n 1)
  if [ -n "$from" ]; then
    [ -f "$scripts/$from" ] || { echo "$name: no script $from to start from" >&2; return 1; }
    run_script "$round" "$from"
    [ -f "$work/$round/$from/data/game.sav" ] || { echo "$name: $from leaves no save file" >&2; return 1; }
    cp "$work/$round/$from/data/game.sav" "$dir/data/game.sav"
  fi
  # A copy that shares the generated files and holds no save file of its own.
  fresh_data "$dir/data" "$data"
  # --check: every frame of every script must also keep the game's invariants.
  if ! "$replay" --data "$dir/data" --script "$scripts/$name" --out "$dir/out" --check 2>"$dir/stderr"; then
    echo "$name: the replay failed:" >&2
    cat "$dir/stderr" >&2
    return 1
  fi
  {
    local file
    for file in "$dir"/out/*; do
      [ -e "$file" ] || continue
      echo "$name $(basename "$file") $(sha256sum <"$file" | cut -d' ' -f1)"
    done
    if [ -f "$dir/data/game.sav" ]; then
      echo "$name game.sav $(sha256sum <"$dir/data/game.sav" | cut -d' ' -f1)"
    else
      echo "$name game.sav absent"
    fi
  } | sort >"$dir/digests"
}

run_all() {
  local round=$1 path
  mkdir -p "$work/$round"
  for path in "$scripts"/*.script; do
    run_script "$round" "$(basename "$path")"
  done
  cat "$work/$round"/*/digests | sort
}

run_all first >"$work/first.txt"

if [ "${PLUMBRIX_RECORD_DIGESTS:-}" = 1 ]; then
  run_all second >"$work/second.txt"
  if ! diff "$work/first.txt" "$work/second.txt" >&2; then
    echo "Two runs of the same scripts differ (above); nothing recorded." >&2
    exit 1
  fi
  {
    echo "# SCRIPT ARTIFACT SHA-256 of every picture, state dump and final save file of"
    echo "# the scripts in this folder; tests/replay_digests.sh checks them."
    cat "$work/first.txt"
  } >"$digests"
  echo "Recorded $(wc -l <"$work/first.txt") digests in $digests."
  exit 0
fi

[ -f "$digests" ] || { echo "No $digests yet: record it with PLUMBRIX_RECORD_DIGESTS=1." >&2; exit 1; }
{ grep -v '^#' "$digests" || true; } | sort >"$work/expected.txt"
# One line per artifact whose digest differs, went missing or is new.
join -a1 -a2 -e none -o 0,1.2,2.2 <(awk '{print $1 "/" $2, $3}' "$work/expected.txt" | sort) \
  <(awk '{print $1 "/" $2, $3}' "$work/first.txt" | sort) |
  awk '$2 != $3 {
    split($1, key, "/")
    if ($2 == "none") print key[1] ": " key[2] " is new (not in digests.txt)"
    else if ($3 == "none") print key[1] ": " key[2] " was not written"
    else print key[1] ": " key[2] " differs"
    bad = 1
  } END { exit bad }' >&2 || {
  echo "Replays differ from tests/replays/digests.txt; if the change is intended, record" >&2
  echo "them again with: PLUMBRIX_RECORD_DIGESTS=1 ctest -R replay_digests" >&2
  exit 1
}
echo "$(wc -l <"$work/first.txt") digests of $(ls "$scripts"/*.script | wc -l) scripts match."
