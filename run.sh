#!/usr/bin/env bash
# Sets up, builds and starts Warehaus4. Arguments are level files to add to the playlist.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh

BUILD=build/release
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DW4_TESTS=OFF -DW4_BENCH=OFF >/dev/null
cmake --build "$BUILD" --target warehaus4

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "Start Warehaus4 from a desktop session, or under a virtual display:" >&2
  echo "  xvfb-run -a $BUILD/warehaus4" >&2
  exit 1
fi
exec "$BUILD/warehaus4" "$@"
