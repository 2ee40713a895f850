#!/usr/bin/env bash
# The browser build's first sight on three lines (see web_bench.mjs). Serves
# each site folder given (build-web/site from ./web.sh when none is) with
# Python's static server, which sends files uncompressed as most simple hosts
# do, and prints medians of RUNS (5) runs per line and site, the sites taking
# turns. LINES picks lines by their names as printed, separated by semicolons.
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -gt 0 ] || set -- build-web/site
(cd tests/web && { [ -d node_modules/playwright-core ] || npm ci --no-audit --no-fund --loglevel=error; })

servers=()
trap 'for s in "${servers[@]}"; do kill "$s" 2>/dev/null || true; done' EXIT
sites=
for folder in "$@"; do
  [ -f "$folder/index.html" ] || { echo "no site in $folder; run ./web.sh" >&2; exit 1; }
  port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  python3 -m http.server "$port" --bind 127.0.0.1 --directory "$folder" >/dev/null 2>&1 &
  servers+=($!)
  for _ in $(seq 50); do
    python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/')" 2>/dev/null && break
    sleep 0.1
  done
  sites+="${sites:+ }$(basename "$(dirname "$(realpath "$folder")")")=http://127.0.0.1:$port/"
done
PLUMBRIX_SITES=$sites node bench/web_bench.mjs
