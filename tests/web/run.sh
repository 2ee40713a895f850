#!/usr/bin/env bash
# Plays the browser build (build-web/site, made by ./web.sh) in headless Chromium
# from a local static server, against pictures and a save file that the native
# game's headless driver makes from the same data.
set -euo pipefail
cd "$(dirname "$0")"
root=$(cd ../.. && pwd)
site=$root/build-web/site
[ -f "$site/sw.js" ] || { echo "no browser build in $site; run ./web.sh" >&2; exit 1; }
[ -d node_modules/playwright-core ] || npm ci --no-audit --no-fund --loglevel=error

work=$(mktemp -d)
server=
cleanup() {
  [ -z "$server" ] || kill "$server" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A game folder for each name of a run of the driver: links to the data, and
# the save of the run before under that name.
replay() {
  local folder=$work/data-$1
  shift
  if [ ! -d "$folder" ]; then
    mkdir -p "$folder"
    ln -s "$root"/build/data/* "$folder/"
  fi
  "$root/build/plumbrix-replay" --data "$folder" "$@" >/dev/null
}
# The title's button alternates between two pictures every 0.2 s, so the page
# shows one of them; with the driver's 1/128 s frames, frame 5 has the first and
# frame 40 the second. The other screens the tests wait for, at rest.
replay title --frames 41 --shot 5:"$work/title-0.bmp" --shot 40:"$work/title-1.bmp"
replay screens --script screens.script --shot 8:"$work/title-lit.bmp" --shot 200:"$work/menu.bmp" \
  --shot 206:"$work/options-lit.bmp" --shot 230:"$work/options.bmp" --shot 245:"$work/options-back-lit.bmp" \
  --shot 270:"$work/options-full-screen.bmp" --shot 305:"$work/new-game-lit.bmp" --shot 330:"$work/set-up.bmp" \
  --shot 610:"$work/board.bmp" --shot 630:"$work/board-menu-lit.bmp" --shot 810:"$work/menu-game.bmp" \
  --shot 825:"$work/resume-lit.bmp" --shot 840:"$work/exit-lit.bmp"
replay timed --script near_time_up.script
cp "$work/data-timed/game.sav" "$work/near-time-up.sav"
replay timed --script name_entry.script --shot 650:"$work/name-entry.bmp"

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site" >/dev/null 2>&1 &
server=$!
for _ in $(seq 50); do
  python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/')" 2>/dev/null && break
  sleep 0.1
done

PLUMBRIX_SITE=http://127.0.0.1:$port/ PLUMBRIX_REFERENCES=$work node --test --test-reporter=tap \
  browser_test.mjs
# Loading, offline play and phones, each against a server of its own.
PLUMBRIX_SITE_DIR=$site node --test --test-reporter=tap --test-concurrency=1 loading_test.mjs offline_test.mjs \
  phone_test.mjs
# The whole way into a game by keys alone, against the same server.
PLUMBRIX_SITE=http://127.0.0.1:$port/ node --test --test-reporter=tap keys_test.mjs
