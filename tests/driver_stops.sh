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
  "$driver" --data "$work" --frames 100000000 --dt 0.01 &
  pid=$!
  sleep 1
  kill -"$signal" "$pid"
  for _ in $(seq 50); do
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
