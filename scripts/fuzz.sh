#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each for a bounded time (seconds, default
# 15, what the test run uses). A longer manual run meets inputs the short one does not:
#   scripts/fuzz.sh 600
# Each target starts from the kept inputs in fuzz/corpus/<target>/ (read only) and grows its own
# corpus under build/fuzz/corpus/<target>/. An input that fails is written to
# build/fuzz/<target>-crash-*; once the fault is mended, copy it into fuzz/corpus/<target>/ so every
# later run starts from it.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH="${1:-15}"
BUILD=build/fuzz
CC=clang CXX=clang++ cmake -S fuzz -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD"
for target in "$BUILD"/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="$BUILD/corpus/$name"
  mkdir -p "$corpus"
  seeds=()
  [ -d "fuzz/corpus/$name" ] && seeds+=("fuzz/corpus/$name")
  echo "fuzzing $name for ${SECONDS_EACH}s"
  "$target" -max_total_time="$SECONDS_EACH" -max_len=65536 -rss_limit_mb=2048 -print_final_stats=0 \
    -artifact_prefix="$BUILD/$name-" "$corpus" "${seeds[@]}" \
    > "$BUILD/$name.log" 2>&1 || { tail -n 40 "$BUILD/$name.log"; echo "fuzzing $name found a fault"; exit 1; }
done
echo "fuzzing passed"
