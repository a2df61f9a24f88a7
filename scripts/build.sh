#!/usr/bin/env bash
# Configures and builds the game, its tools, tests, benchmarks and the game's
# generated content into build/game/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build build --parallel "$(nproc)"
