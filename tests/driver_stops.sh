#!/usr/bin/env bash
# The headless driver stops on SIGTERM and SIGINT like any command-line tool,
# even though its input is scripted and never reads a quit request.
set -uo pipefail
# Job control, so that the background driver does not start with SIGINT ignored.
set -m
driver=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$data"/* "$work"/
for signal in TERM INT; do
  # The signal goes once the driver runs frames, and so has set SDL up: sent
  # earlier, it would end the driver before SDL could take it over. Frame 1's
  # screenshot tells; a fixed sleep would not on a loaded machine.
  started=$work/running-$signal.bmp
  "$driver" --data "$work" --frames 100000000 --dt 0.01 --shot 1:"$started" &
  pid=$!
  deadline=$((SECONDS + 40))
  while [ ! -s "$started" ] && kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt $deadline ]; do
    sleep 0.1
  done
  if [ ! -s "$started" ]; then
    kill -KILL "$pid" 2>/dev/null
    echo "the driver ran no frame within 40 s" >&2
    exit 1
  fi
  kill -"$signal" "$pid"
  deadline=$((SECONDS + 15))
  while [ $SECONDS -lt $deadline ]; do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid"
    echo "the driver ignored SIG$signal" >&2
    exit 1
  fi
done
echo "driver stops: clean"
