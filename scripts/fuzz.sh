#!/usr/bin/env bash
# Fuzzes the archive and bitmap readers with libFuzzer for N seconds (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
if ! command -v clang++ >/dev/null; then
  echo "clang++ missing: fuzzing skipped"
  exit 0
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DFG_FUZZ=ON -DFG_TESTS=OFF -DFG_BENCH=OFF
cmake --build build-fuzz --target fuzz_archive fuzz_archive_seeds
rm -rf build-fuzz/corpus && mkdir -p build-fuzz/corpus
build-fuzz/game/fuzz_archive_seeds build-fuzz/corpus
build-fuzz/game/fuzz_archive -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 build-fuzz/corpus
