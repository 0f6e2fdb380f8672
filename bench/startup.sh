#!/usr/bin/env bash
# Start-up to the first painted board, whole process, with the default playlist.
# Usage: bench/startup.sh <warehaus4 executable> [runs]   (needs Xvfb and xdotool)
# Prints each run's time until the window is shown and its peak resident memory, then medians.
set -euo pipefail

exe=$(readlink -f "$1")
runs=${2:-7}
src=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "${W4_BENCH_INNER:-}" ]; then
  export W4_BENCH_INNER=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
export SDL_AUDIODRIVER=dummy

times=()
peaks=()
for run in $(seq 1 "$runs"); do
  folder="$work/game$run"
  mkdir -p "$folder"
  cp "$exe" "$folder/warehaus4"
  cp -r "$src/levels" "$src/sounds" "$src/musics" "$folder/"
  start=$(date +%s%N)
  /usr/bin/time -f "%M" -o "$work/rss$run" "$folder/warehaus4" >/dev/null 2>&1 &
  timer=$!
  # Poll finely: xdotool's own --sync waits in half-second steps.
  until xdotool search --onlyvisible --name '^Warehaus4$' >/dev/null 2>&1; do sleep 0.01; done
  # The board is painted in the first paint after the window is shown; let it settle.
  shown=$(date +%s%N)
  sleep 0.5
  pkill -TERM -P "$timer" || true
  wait "$timer" 2>/dev/null || true
  ms=$(( (shown - start) / 1000000 ))
  kb=$(tail -n 1 "$work/rss$run")
  times+=("$ms")
  peaks+=("$kb")
  echo "run $run: shown after ${ms} ms, peak RSS ${kb} KiB"
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "median start-up: $(median "${times[@]}") ms; median peak RSS: $(median "${peaks[@]}") KiB"
