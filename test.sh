#!/usr/bin/env bash
# Sets up, builds and runs every test of Warehaus4 twice: with AddressSanitizer and UBSan (a Debug
# build), then in an optimized Release build, where a test that counts on slow code shows up.
#   ./test.sh            both builds, then a short fuzzing run
#   ./test.sh sanitize   the sanitizer build only;  ./test.sh release   the Release build only
set -euo pipefail
cd "$(dirname "$0")"
WHICH="${1:-all}"
case "$WHICH" in all|sanitize|release) ;; *) echo "usage: $0 [all|sanitize|release]" >&2; exit 2 ;; esac
scripts/setup.sh

export XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"

# Builds in BUILD with the given options and runs the whole suite there.
build_and_test() {
  local build="$1"; shift
  cmake -S . -B "$build" -G Ninja -DW4_BENCH=OFF "$@"
  cmake --build "$build"
  ctest --test-dir "$build" --output-on-failure -j2 --timeout 600
}

if [ "$WHICH" != release ]; then
  build_and_test build/test -DCMAKE_BUILD_TYPE=Debug -DW4_SANITIZE=ON
fi
if [ "$WHICH" != sanitize ]; then
  build_and_test build/test-release -DCMAKE_BUILD_TYPE=Release -DW4_SANITIZE=OFF
fi

# The file readers are fuzzed for a short, bounded time on every full run.
if [ "$WHICH" = all ]; then
  scripts/fuzz.sh 15
fi
