#!/usr/bin/env bash
# Builds the generator and writes the 32-pixel set into graphics/Warehaus32/ and our three skins
# into graphics/skins/.
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD=build/tools-graphics
cmake -S tools/graphics -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD"
rm -rf graphics/Warehaus32
"$BUILD/w4graphics" graphics/Warehaus32 Warehaus32 32
echo "wrote graphics/Warehaus32"
mkdir -p graphics/skins
"$BUILD/w4graphics" --skin graphics/skins/Quarry32.png Quarry 32
"$BUILD/w4graphics" --skin graphics/skins/Harbour64.png Harbour 64
"$BUILD/w4graphics" --skin graphics/skins/Lantern96.png Lantern 96
echo "wrote graphics/skins"
