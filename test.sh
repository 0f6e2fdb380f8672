#!/usr/bin/env bash
# Sets up, builds (with AddressSanitizer and UBSan) and runs every test of Warehaus4.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh

BUILD=build/test
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DW4_SANITIZE=ON -DW4_BENCH=OFF
cmake --build "$BUILD"

export XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"
ctest --test-dir "$BUILD" --output-on-failure -j2 --timeout 600

# The file readers are fuzzed for a short, bounded time on every run.
scripts/fuzz.sh 15
