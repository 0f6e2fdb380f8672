#!/usr/bin/env bash
# Builds the generator and writes the 32-pixel set into graphics/Warehaus32/.
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD=build/tools-graphics
cmake -S tools/graphics -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD"
rm -rf graphics/Warehaus32
"$BUILD/w4graphics" graphics/Warehaus32 Warehaus32 32
echo "wrote graphics/Warehaus32"
