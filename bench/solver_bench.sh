#!/usr/bin/env bash
# The solver over whole level sets, one warehaus4-solve process per level, so every level's peak
# memory is its own and start-up is counted as a player would feel it.
#
# Usage: bench/solver_bench.sh BUILD_DIR [SECONDS] [SET...]
#   BUILD_DIR  a build holding warehaus4-solve (for figures: Release, no sanitizers)
#   SECONDS    time limit per level (default 10)
#   SET        folders of .xsb levels (default: levels/ and, when present,
#              ../shared/levels-bench/sasquatch beside the checkout)
# Environment: W4_BENCH_JOBS=N solves N levels at once (default 1; keep it at most the free cores),
#              W4_BENCH_OPTIONS passes options on, e.g. "--optimal pushes --memory 512",
#              W4_BENCH_CORES="0 1" pins each level's process, all its threads, to one of these
#              cores (taskset; with two jobs, one core each), e.g. "0" for the one-core figures,
#              W4_SOLVER_TUNING switches the solver's techniques, e.g. "corralPatterns=0,weight=3"
#              (the names of solver/tuning.h's Tuning), to measure what one of them buys.
# Prints per set a table of every level (outcome, pushes, solver and process seconds, peak MiB),
# then levels solved within the limit, median and worst time (the solver's own and the whole
# process's), positions explored per second, and peak memory. The table also goes to
# BUILD_DIR/solver-bench/SET.tsv for comparing runs.
set -euo pipefail

# One level, run by xargs: solver line and /usr/bin/time's figures in, one tab-separated line out.
if [ "${1:-}" = "--one" ]; then
  exe=$2 seconds=$3 level=$4
  measure=$(mktemp)
  pin=()
  if [ -n "${W4_BENCH_CORES:-}" ]; then
    read -r -a cores <<< "$W4_BENCH_CORES"
    pin=(taskset -c "${cores[$(( ${W4_BENCH_SLOT:-0} % ${#cores[@]} ))]}")
  fi
  # shellcheck disable=SC2086
  line=$(/usr/bin/time -f "%e %M" -o "$measure" "${pin[@]}" "$exe" --time "$seconds" ${W4_BENCH_OPTIONS:-} "$level" 2>/dev/null | sed -n 1p) || true
  read -r wall kib < <(tail -n 1 "$measure") || true
  rm -f "$measure"
  fields=$(printf '%s\n' "$line" | sed -E 's/^.*: ([^,]*), ([0-9]+) moves, ([0-9]+) pushes, ([0-9.]+) s, ([0-9]+) positions.*$/\1\t\2\t\3\t\4\t\5/')
  case "$fields" in
    *$'\t'*) ;;
    *) fields=$(printf 'crashed\t0\t0\t%s\t0' "${wall:-0}") ;;
  esac
  printf '%s\t%s\t%s\t%s\n' "$(basename "$level")" "$fields" "${wall:-0}" "${kib:-0}"
  exit 0
fi

if [ $# -lt 1 ]; then
  sed -n '5,19p' "$0" | sed 's/^# \{0,1\}//'
  exit 2
fi
build=$(cd "$1" && pwd)
exe="$build/warehaus4-solve"
[ -x "$exe" ] || { echo "no warehaus4-solve in $build" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian package time)" >&2; exit 2; }
if [ -n "${W4_BENCH_CORES:-}" ]; then
  command -v taskset > /dev/null || { echo "W4_BENCH_CORES needs taskset (Debian package util-linux)" >&2; exit 2; }
  for core in $W4_BENCH_CORES; do
    taskset -c "$core" true 2> /dev/null || { echo "W4_BENCH_CORES: no core $core here" >&2; exit 2; }
  done
fi
seconds=${2:-10}
shift $(( $# >= 2 ? 2 : 1 ))
src=$(cd "$(dirname "$0")/.." && pwd)
sets=("$@")
if [ ${#sets[@]} -eq 0 ]; then
  sets=("$src/levels")
  [ -d "$src/../shared/levels-bench/sasquatch" ] && sets+=("$src/../shared/levels-bench/sasquatch")
fi
jobs=${W4_BENCH_JOBS:-1}
mkdir -p "$build/solver-bench"

for set in "${sets[@]}"; do
  name=$(basename "$set")
  table="$build/solver-bench/$name.tsv"
  find "$set" -maxdepth 1 -name '*.xsb' -print0 | sort -z |
    xargs -0 -r -n 1 -P "$jobs" --process-slot-var=W4_BENCH_SLOT "$0" --one "$exe" "$seconds" | sort > "$table"
  # Columns: level, outcome, moves, pushes, solver seconds, positions, process seconds, peak KiB.
  awk -F '\t' -v set="$name" -v limit="$seconds" '
    function median(a, n,   i, j, t) {
      for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j >= 1 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
      return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    NR == 1 { printf "  %-24s %-14s %8s %10s %10s %9s\n", "level", "outcome", "pushes", "solver s", "process s", "peak MiB" }
    {
      printf "  %-24s %-14s %8d %10.3f %10.2f %9.1f\n", $1, $2, $4, $5, $7, $8 / 1024
      n++; s[n] = $5 + 0; w[n] = $7 + 0; m[n] = $8 + 0
      positions += $6; spent += $5
      if ($2 == "solved") solved++; else missed = missed " " $1 "(" $2 ")"
      if ($5 + 0 > worst) worst = $5 + 0
      if ($7 + 0 > worstWall) worstWall = $7 + 0
      if ($8 + 0 > peak) peak = $8 + 0
    }
    END {
      if (n == 0) { printf "%s: no .xsb levels\n", set; exit }
      printf "%s: solved %d of %d within %s s\n", set, solved, n, limit
      printf "  solver time: median %.3f s, worst %.3f s\n", median(s, n), worst
      printf "  process time: median %.2f s, worst %.2f s\n", median(w, n), worstWall
      printf "  positions per second: %.0f (%d positions in %.1f s)\n", (spent > 0 ? positions / spent : 0), positions, spent
      printf "  peak memory: median %.1f MiB, worst %.1f MiB\n", median(m, n) / 1024, peak / 1024
      if (missed != "") printf "  not solved:%s\n", missed
    }' "$table"
  echo "  per level: $table"
done
