#!/usr/bin/env bash
# Builds everything and starts the game (full screen; pass --windowed for a window).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
exec build/game/fairglade "$@"
