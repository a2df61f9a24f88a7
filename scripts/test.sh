#!/usr/bin/env bash
# The whole test run: a normal build with every test, the suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a short fuzzing run of
# every reader of outside input.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
stage_start=$SECONDS
stage_done() {  # stage_done NAME: how long the stage took
  echo "== $1: $((SECONDS - stage_start)) s"
  stage_start=$SECONDS
}

# Warnings fail the run, so the tree stays free of them.
scripts/build.sh -DFG_WERROR=ON
stage_done "build"
ctest --test-dir build --output-on-failure -j "$jobs"
stage_done "tests"

if [ "${FG_SKIP_SANITIZERS:-0}" != 1 ]; then
  export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp"
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  # The unit suites only: the content generators and the whole-game runs have
  # had their turn above; here the runs that need content are left out.
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFG_SANITIZE=ON -DFG_BENCH=OFF -DFG_WERROR=ON
  cmake --build build-asan --parallel "$jobs" --target \
    media_tests fgpack_tests sim_tests render_tests input_tests frontend_tests shell_tests fgsim fgpack
  stage_done "sanitizer build"
  ctest --test-dir build-asan --output-on-failure -j "$jobs" -E "NOT_BUILT"
  stage_done "sanitizer tests"
fi

if [ "${FG_SKIP_FUZZ:-0}" != 1 ] && [ -x scripts/fuzz.sh ]; then
  scripts/fuzz.sh 60
  stage_done "fuzzing"
fi
echo "== all stages: ${SECONDS} s"
