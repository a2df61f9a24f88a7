#!/usr/bin/env bash
# Fuzzes every reader of outside input with libFuzzer (clang): archives and
# bitmaps, hole files, the INI text layer, stored settings values, input
# scripts, fgsim scenarios, RIFF waves and fgpack manifests.
#
#   scripts/fuzz.sh [SECONDS]            SECONDS (default 60) shared among all fuzzers, one a core at a time
#   scripts/fuzz.sh --each SECONDS [NAME...]   SECONDS for each named fuzzer (default: all)
#
# Corpora grow in build-fuzz/corpus/NAME and are kept between runs; a
# finding is written to build-fuzz/findings/ and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
fuzzers=(archive hole_file ini_text settings_value input_script scenario wave_riff manifest)
if [ "${1:-}" = "--each" ]; then
  each=${2:?--each needs seconds}
  shift 2
  if (($#)); then fuzzers=("$@"); fi
else
  total=${1:-60}
  each=$((total / ${#fuzzers[@]}))
  ((each > 0)) || each=1
fi
if ! command -v clang++ >/dev/null; then
  echo "clang++ missing: fuzzing skipped"
  exit 0
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFG_FUZZ=ON -DFG_TESTS=OFF -DFG_BENCH=OFF >/dev/null
targets=(fuzz_archive_seeds)
for f in "${fuzzers[@]}"; do targets+=("fuzz_$f"); done
cmake --build build-fuzz --target "${targets[@]}"

# Seed corpora from the project's own files.
corpus=build-fuzz/corpus
seed() {  # seed NAME FILE...
  mkdir -p "$corpus/$1"
  local name=$1
  shift
  for file in "$@"; do [ -f "$file" ] && cp "$file" "$corpus/$name/seed_$(basename "$file")"; done
  return 0
}
mkdir -p "$corpus/archive" "$corpus/wave_riff"
build-fuzz/game/fuzz_archive_seeds "$corpus/archive" "$corpus/wave_riff"
seed hole_file tools/fgsim/examples/*.hole build/game/*.hole
seed ini_text tools/fgsim/examples/*.hole build/game/*.hole content/ui/themes.ini
seed input_script tests/scripts/*.script
seed scenario tools/fgsim/examples/*.json
mkdir -p "$corpus/settings_value" "$corpus/manifest"
printf 'dword:75\n' >"$corpus/settings_value/seed_frameskip"
printf 'dword:-2147483648' >"$corpus/settings_value/seed_lowest"
printf 'sz:Player 1\n' >"$corpus/settings_value/seed_text"
# The manifest example of fgpack's documentation, and a wave manifest.
sed -n '/^# fgpack manifest/,/^```/p' docs/fgpack.md | sed '$d' >"$corpus/manifest/seed_image"
printf 'archive = wave\n\n[item]\nname = click\nlooped = false\nmax_playing_count = 2\nwave = 000_click.wav\n' \
  >"$corpus/manifest/seed_wave"

mkdir -p build-fuzz/findings
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# One fuzzer a core at a time: the same seconds for each, in less time.
run_one() {  # run_one NAME: fuzz it, then say how it went
  local f=$1 log=build-fuzz/fuzz_$1.log
  if ! build-fuzz/game/fuzz_"$f" -max_total_time="$each" -rss_limit_mb=2048 -timeout=10 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix=build-fuzz/findings/"$f"- "$corpus/$f" 2>"$log"; then
    tail -n 60 "$log"
    echo "fuzz_$f: finding in build-fuzz/findings"
    return 1
  fi
  echo "== fuzz_$f for ${each}s: $(grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$log" | tr '\n' ' ')" \
    "corpus: $(find "$corpus/$f" -type f | wc -l) files"
}
export -f run_one
export each corpus
printf '%s\n' "${fuzzers[@]}" | xargs -P "$(nproc)" -I{} bash -c 'run_one {}'
