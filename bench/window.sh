#!/usr/bin/env bash
# The real game in a real window (Xvfb with openbox), started RUNS times and
# interleaved with any comparison programs, each measured the same way: exec
# to window mapped, exec to first picture, peak resident memory, processor use
# idle on the first screen and during a scripted game (as % of one core, with
# the X server's share), and the redraws per second the X server saw.
#
#   bench/window.sh [-n RUNS] [-s SECONDS] [COMMAND]...
#
# Each COMMAND is a comparison program, one string (e.g. 'gweled'); its game
# phase clicks neighbouring cells of an 8x8 grid over its whole window. Needs a
# built tree (tools/setup.sh). Figures go to stdout; the ratios at the end
# compare each program with the game from the same run.
set -euo pipefail
# A desktop session has a message bus; without one, libraries that look for it
# try to start one on every program start, which no player pays for.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
  exec dbus-run-session -- "$0" "$@"
fi
cd "$(dirname "$0")/.."
root=$PWD
runs=5
seconds=10
while getopts "n:s:" option; do
  case $option in
    n) runs=$OPTARG ;;
    s) seconds=$OPTARG ;;
    *) echo "usage: bench/window.sh [-n RUNS] [-s SECONDS] [COMMAND]..." >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
commands=("plumbrix" "$@")
probe=$root/build/bench/window-probe
for tool in Xvfb openbox xdotool "$probe" "$root/build/plumbrix"; do
  command -v "$tool" >/dev/null || { echo "window.sh: $tool is missing (tools/setup.sh)" >&2; exit 1; }
done

work=$(mktemp -d /tmp/plumbrix-window-XXXXXX)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# A display of its own, with a window manager as on a desktop.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server=$!
pids+=("$server")
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
# No sound card here: every program gets a silent one, and a home of its own.
export SDL_AUDIODRIVER=dummy ALSOFT_DRIVERS=null HOME=$work/home
mkdir -p "$HOME"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"

# Presses and releases the button at (x, y) of the window, held as a hand would.
press() {
  xdotool mousemove --window "$1" "$2" "$3" mousedown 1
  sleep 0.05
  xdotool mouseup 1
}

# Through the title, the menu and the set-up into an untimed game.
start_game() {
  press "$1" 320 440; sleep 2.5
  press "$1" 170 255; sleep 2.5
  press "$1" 300 175; sleep 0.3
  press "$1" 320 280; sleep 0.3
  press "$1" 400 400; sleep 5
}

# Swaps of neighbouring cells, about one a second, for the watched time. The
# grid is x0 y0 cell-width cell-height in window pixels.
play() {
  local win=$1 x0=$2 y0=$3 cw=$4 ch=$5 end=$((SECONDS + seconds))
  local cells=(2,3 3,3 5,1 5,2 1,6 2,6 4,4 4,5 6,3 7,3 0,2 0,3 3,6 4,6 6,6 6,7 2,1 3,1 5,5 5,6)
  local i=0
  while [ $SECONDS -lt $end ]; do
    local a=${cells[$((i % ${#cells[@]}))]} b=${cells[$(((i + 1) % ${#cells[@]}))]}
    press "$win" $((x0 + cw * ${a%,*} + cw / 2)) $((y0 + ch * ${a#*,} + ch / 2))
    sleep 0.15
    press "$win" $((x0 + cw * ${b%,*} + cw / 2)) $((y0 + ch * ${b#*,} + ch / 2))
    sleep 0.7
    i=$((i + 2))
  done
}

stop() {
  kill -TERM "$1" 2>/dev/null || return 0
  for _ in $(seq 60); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.05; done
  kill -KILL "$1" 2>/dev/null || true
}

printf "%-10s %3s %8s %8s %8s %6s %6s %6s %6s %6s %6s\n" program run map_ms pic_ms peak_MiB \
  idle% idleX% idleFps game% gameX% gameFps
results=$work/results
: >"$results"
for run in $(seq "$runs"); do
  for index in "${!commands[@]}"; do
    name=${commands[$index]%% *}
    name=${name##*/}
    if [ "$index" -eq 0 ]; then
      # A fresh player folder: no save file and no remembered window.
      folder=$work/game-$run
      mkdir -p "$folder"
      for entry in bmp sound music ReadMe.htm; do ln -s "$root/build/data/$entry" "$folder/$entry"; done
      launch=(sh -c "cd '$folder' && exec '$root/build/plumbrix'")
    else
      read -r -a launch <<<"${commands[$index]}"
    fi
    # The pointer rests off every window, so nothing idles under a hover.
    xdotool mousemove 0 0
    # What the programs print goes to a log, not among the figures.
    if ! "$probe" launch "$work/launch" -- sh -c 'exec "$@" >>"$0" 2>&1' "$work/output.log" "${launch[@]}" \
      2>"$work/launch.err"; then
      echo "window.sh: $name showed no picture: $(cat "$work/launch.err"; tail -3 "$work/output.log")" >&2
      continue
    fi
    read -r pid win mapped picture <"$work/launch"
    sleep 1
    read -r _ idle _ idleX _ idleFps <<<"$("$probe" watch "$win" "$pid" "$server" "$seconds")"
    if [ "$index" -eq 0 ]; then
      start_game "$win"
      play "$win" 236 4 50 50 &
    else
      read -r w h <<<"$(xdotool getwindowgeometry "$win" | awk '/Geometry/ {sub("x", " ", $2); print $2}')"
      play "$win" 0 0 $((w / 8)) $((h / 8)) &
    fi
    player=$!
    read -r _ game _ gameX _ gameFps <<<"$("$probe" watch "$win" "$pid" "$server" "$seconds")"
    wait "$player" || true
    peak=$(awk '/VmHWM/ {printf "%.1f", $2 / 1024}' "/proc/$pid/status")
    stop "$pid"
    printf "%-10s %3s %8.0f %8.0f %8s %6s %6s %6s %6s %6s %6s\n" "$name" "$run" "$mapped" "$picture" "$peak" \
      "$idle" "$idleX" "$idleFps" "$game" "$gameX" "$gameFps" | tee -a "$results"
  done
done

echo
echo "medians of $runs runs"
awk '
  { n[$1]++; for (i = 3; i <= NF; i++) v[$1, i, n[$1]] = $i; if (!($1 in seen)) { seen[$1] = 1; order[++programs] = $1 } }
  function median(p, i,   k, m, a, j, t) {
    m = n[p]; for (k = 1; k <= m; k++) a[k] = v[p, i, k]
    for (k = 2; k <= m; k++) { t = a[k]; for (j = k - 1; j >= 1 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
    return m % 2 ? a[(m + 1) / 2] : (a[m / 2] + a[m / 2 + 1]) / 2
  }
  END {
    for (p = 1; p <= programs; p++) {
      printf "%-10s %3s", order[p], "med"
      for (i = 3; i <= 11; i++) { med[p, i] = median(order[p], i); printf " %8.2f", med[p, i] }
      printf "\n"
    }
    for (p = 2; p <= programs; p++) {
      printf "%-10s %3s", order[p], "/gm"
      for (i = 3; i <= 11; i++) {
        if (med[1, i] > 0) printf " %8.2f", med[p, i] / med[1, i]; else printf " %8s", "-"
      }
      printf "\n"
    }
  }' "$results"
