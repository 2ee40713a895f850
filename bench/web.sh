#!/usr/bin/env bash
# The browser build's first sight on three lines (see web_bench.mjs): serves
# the site (build-web/site from ./web.sh, or the folder given) with Python's
# static server, which sends files uncompressed as most simple hosts do, and
# prints medians of RUNS (5) runs per line. LINES="no limit" picks lines.
set -euo pipefail
cd "$(dirname "$0")/.."
site=$(realpath "${1:-build-web/site}")
[ -f "$site/index.html" ] || { echo "no site in $site; run ./web.sh" >&2; exit 1; }
(cd tests/web && { [ -d node_modules/playwright-core ] || npm ci --no-audit --no-fund --loglevel=error; })

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site" >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/')" 2>/dev/null && break
  sleep 0.1
done
PLUMBRIX_SITE=http://127.0.0.1:$port/ node bench/web_bench.mjs
