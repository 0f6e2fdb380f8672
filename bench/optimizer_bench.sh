#!/usr/bin/env bash
# The optimizer over a level set: each level's solution found by the solver, then shortened within
# the limit, by one warehaus4-solve process. Nothing is written. A solution kept beside a level
# (--portable: never one from a store) is the starting point instead, as for a player; the shipped
# levels have none, so there the solver's own first solutions are.
#
# Usage: bench/optimizer_bench.sh BUILD_DIR [SECONDS] [moves|pushes] [SET]
#   BUILD_DIR  a build holding warehaus4-solve (for figures: Release, no sanitizers)
#   SECONDS    time limit per level, for the solving and again for the optimizing (default 10)
#   SET        a folder of .xsb levels (default: levels/)
# Prints the summary line (levels improved, total moves and pushes before and after) and how many
# levels were searched to the end; the per-level lines go to BUILD_DIR/optimizer-bench/.
set -euo pipefail
if [ $# -lt 1 ]; then
  sed -n '7,12p' "$0" | sed 's/^# \{0,1\}//'
  exit 2
fi
build=$(cd "$1" && pwd)
exe="$build/warehaus4-solve"
[ -x "$exe" ] || { echo "no warehaus4-solve in $build" >&2; exit 2; }
seconds=${2:-10}
measure=${3:-moves}
src=$(cd "$(dirname "$0")/.." && pwd)
set=${4:-$src/levels}
mkdir -p "$build/optimizer-bench"
lines="$build/optimizer-bench/$(basename "$set")-$measure-${seconds}s.txt"
start=$(date +%s)
# One thread: the machine's other core stays free, and the figures do not depend on a neighbour.
find "$set" -maxdepth 1 -name '*.xsb' -print0 | sort -z |
  xargs -0 "$exe" --portable --threads 1 --time "$seconds" --optimize "$measure" > "$lines" || true
echo "$(basename "$set"), by $measure, $seconds s per level: $(tail -n 1 "$lines")"
echo "  searched to the end (nothing shorter exists): $(grep -c 'every position searched' "$lines" || true)"
echo "  stopped by the limit: $(grep -c 'out of time\|out of memory' "$lines" || true)"
echo "  wall time: $(( $(date +%s) - start )) s; per level: $lines"
