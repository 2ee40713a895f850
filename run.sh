#!/usr/bin/env bash
# Sets everything up and starts the game in its data folder.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
cd build/data
exec ../plumbrix
