#!/usr/bin/env bash
# Builds only the game and its content (no tests, no benchmarks) and starts it
# full screen; pass --windowed for a window.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)" --target fairglade ui_content course_content
exec build/game/fairglade "$@"
