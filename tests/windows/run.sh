#!/usr/bin/env bash
# Tests the Windows download (build-windows/, made by ./windows.sh) under Wine:
# the replays give the Linux digests, saves cross between the two builds, the
# programs import only Windows' own DLLs, and the game plays in a real window
# from its unpacked zip.
set -uo pipefail
cd "$(dirname "$0")"
root=$(cd ../.. && pwd)
out=$root/build-windows
zip_file=$out/plumbrix-1.0-windows-x64.zip
for needed in "$zip_file" "$out/plumbrix-replay.exe" "$out/plumbrix-windows-tests.exe" "$root/build/plumbrix-replay"; do
  [ -f "$needed" ] || { echo "missing $needed; run ./windows.sh (and tools/setup.sh)" >&2; exit 1; }
done
source "$root/tools/data_links.sh"
source ./wine.sh
source ./window.sh

work=$(mktemp -d "${TMPDIR:-/tmp}/plumbrix-windows-XXXXXX")
cleanup() {
  stop_display
  wine_stop
  chmod -R u+w "$work" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
passed=0
failed=0
# An argument runs only the checks whose names contain it.
only=${1:-}
check() {
  local name=$1
  shift
  [[ "$name" == *"$only"* ]] || return 0
  local started=$SECONDS
  if "$@"; then
    passed=$((passed + 1))
    echo "PASS $name ($((SECONDS - started)) s)"
  else
    failed=$((failed + 1))
    echo "FAIL $name ($((SECONDS - started)) s)"
  fi
}

mkdir -p "$work/game"
(cd "$work/game" && unzip -q "$zip_file")
game=$work/game/Plumbrix
export PLUMBRIX_WINDOWS_REPLAY=$out/plumbrix-replay.exe
wine_start "$work"

# Every replay script, run by the Windows driver, against the digests the Linux
# driver recorded.
replays_match() {
  bash "$root/tests/replay_digests.sh" "$PWD/wine_replay.sh" "$game" "$root/tests/replays"
}

# One script's digests after starting from a save file, as digests.txt has them.
# run_from DRIVER SCRIPT SAVE
run_from() {
  local driver=$1 script=$2 save=$3 dir
  dir=$work/cross/$(basename "$driver")-$script
  mkdir -p "$dir/out"
  cp "$save" "$dir/game.sav"
  fresh_data "$dir" "$game"
  "$driver" --data "$dir" --script "$root/tests/replays/$script" --out "$dir/out" --check 2>"$dir/stderr" || {
    cat "$dir/stderr" >&2
    return 1
  }
  local file
  for file in "$dir"/out/*; do
    echo "$script $(basename "$file") $(sha256sum <"$file" | cut -d' ' -f1)"
  done
  echo "$script game.sav $(sha256sum <"$dir/game.sav" | cut -d' ' -f1)"
}

# The save each build writes is read by the other to the same game, along the
# scripts' own save-from chain: the Windows driver's options.script save goes on
# in the Linux driver's untimed_game.script, whose save goes on in the Windows
# driver's restart.script; each against the digests digests.txt holds.
saves_cross() {
  local linux=$root/build/plumbrix-replay windows=$PWD/wine_replay.sh first=$work/cross/first
  mkdir -p "$first/out"
  fresh_data "$first" "$game"
  "$windows" --data "$first" --script "$root/tests/replays/options.script" --out "$first/out" 2>/dev/null || return 1
  local ok=0 step driver script save=$first/game.sav expected got
  for step in "$linux untimed_game.script" "$windows restart.script"; do
    read -r driver script <<<"$step"
    expected=$(grep "^$script " "$root/tests/replays/digests.txt" | sort)
    got=$(run_from "$driver" "$script" "$save" | sort)
    if [ -z "$expected" ] || [ "$expected" != "$got" ]; then
      echo "$script by $(basename "$driver"), from the other build's save, differs:" >&2
      diff <(echo "$expected") <(echo "$got") >&2
      ok=1
    fi
    save=$work/cross/$(basename "$driver")-$script/game.sav
  done
  return $ok
}

# Every DLL the programs import is Windows' own or in the zip.
imports_are_windows_own() {
  local system="kernel32.dll user32.dll gdi32.dll shell32.dll ole32.dll oleaut32.dll advapi32.dll imm32.dll
    winmm.dll setupapi.dll version.dll msvcrt.dll"
  local ok=0 program dll
  for program in "$game"/*.exe "$game"/*.dll "$out/plumbrix-replay.exe"; do
    [ -e "$program" ] || continue
    while read -r dll; do
      dll=${dll,,}
      if [[ " $(echo $system) " != *" $dll "* ]] && [ ! -e "$game/$dll" ]; then
        echo "$(basename "$program") imports $dll, neither Windows' own nor in the zip" >&2
        ok=1
      fi
    done < <(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p')
  done
  # The zip holds no DLL that nothing imports.
  for dll in "$game"/*.dll; do
    [ -e "$dll" ] || continue
    x86_64-w64-mingw32-objdump -p "$game"/*.exe | grep -qi "DLL Name: $(basename "$dll")" ||
      { echo "$(basename "$dll") is in the zip but unused" >&2; ok=1; }
  done
  return $ok
}

# The platform's Windows files on their own, in a scratch folder.
platform_files() {
  mkdir -p "$work/platform" && (cd "$work/platform" && wine "$out/plumbrix-windows-tests.exe" 2>/dev/null)
}

check "the platform's Windows files" platform_files
check "replays under Wine give the Linux digests" replays_match
check "saves cross between the Windows and Linux builds" saves_cross
check "the programs import only Windows' own DLLs" imports_are_windows_own
check "a real window: title, menu, Exit saves beside the program" plays_in_a_window writable
check "a real window: a read-only folder saves in the per-user folder" plays_in_a_window read-only
check "a missing picture: a Windows message box, then the game ends" error_box_shows

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
