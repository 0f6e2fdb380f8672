#!/usr/bin/env bash
# Start-up to a shown window, whole process, side by side with a bare Qt window.
# Usage: bench/startup.sh <warehaus4 executable> [rounds] [bare window executable]
#   (needs Xvfb; the bare window, w4barewindow, and the stopwatch, w4mapwatch, which takes the
#   X server's map of the window, are built beside the game when W4_BENCH is on; without the
#   stopwatch the script polls with xdotool, whose own starts slow the program measured).
#   Each round starts the game and the bare window one after the other, the order alternating
#   from round to round, so a machine busy with other work slows both alike.
# Prints each round's times and the game's peak resident memory, then the medians and their ratio.
set -euo pipefail

exe=$(readlink -f "$1")
rounds=${2:-7}
bare=$(readlink -f "${3:-$(dirname "$exe")/w4barewindow}")
src=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "${W4_BENCH_INNER:-}" ]; then
  export W4_BENCH_INNER=1
  # A display number of its own: other runs of xvfb-run on the machine race for the first free one.
  exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" "$0" "$exe" "$rounds" "$bare"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
export SDL_AUDIODRIVER=dummy

watch=$(dirname "$exe")/w4mapwatch

# Starts a program and prints the milliseconds until a visible window with the title shows.
# $1 program, $2 title, $3 file for the peak resident memory.
shown_after() {
  # The X server's own map event when the stopwatch is built: nothing polls beside the program.
  if [ -x "$watch" ]; then
    local out
    out=$("$watch" "$2" "$1" 2>"$3.out") || return 2
    echo "${out#* }" >"$3"
    printf '%.0f\n' "${out%% *}"
    return 0
  fi
  local start shown timer
  start=$(date +%s%N)
  /usr/bin/time -f "%M" -o "$3" "$1" >"$3.out" 2>&1 &
  timer=$!
  # Poll finely: xdotool's own --sync waits in half-second steps. A window that never shows
  # within 30 s fails the run rather than hanging it.
  local deadline=$((start + 30000000000))
  until xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; do
    # Under heavy load Xvfb now and then refuses a connection: the program then ends at once.
    if ! kill -0 "$timer" 2>/dev/null; then
      wait "$timer" 2>/dev/null || true
      return 2
    fi
    if [ "$(date +%s%N)" -gt "$deadline" ]; then
      echo "$1 showed no window titled $2 within 30 s:" >&2
      cat "$3.out" "$3" >&2 || true
      kill "$timer" 2>/dev/null || true
      return 1
    fi
    sleep 0.005
  done
  shown=$(date +%s%N)
  # The game paints its board in the first paint after the window is shown; let it settle.
  sleep 0.3
  pkill -TERM -P "$timer" || true
  wait "$timer" 2>/dev/null || true
  echo $(( (shown - start) / 1000000 ))
}

# Runs shown_after again, up to three times, when the program ended without showing a window.
measure() {
  local ms try
  for try in 1 2 3; do
    if ms=$(shown_after "$@"); then
      echo "$ms"
      return 0
    fi
    echo "($1 ended before showing a window; trying again)" >&2
    sleep 0.5
  done
  return 1
}

game=()
plain=()
peaks=()
for round in $(seq 1 "$rounds"); do
  folder="$work/game$round"
  mkdir -p "$folder"
  cp "$exe" "$folder/warehaus4"
  cp -r "$src/levels" "$src/sounds" "$src/musics" "$folder/"
  if [ $((round % 2)) -eq 1 ]; then
    g=$(measure "$folder/warehaus4" Warehaus4 "$work/rss$round")
    b=$(measure "$bare" W4BareWindow "$work/bare$round")
  else
    b=$(measure "$bare" W4BareWindow "$work/bare$round")
    g=$(measure "$folder/warehaus4" Warehaus4 "$work/rss$round")
  fi
  kb=$(tail -n 1 "$work/rss$round")
  game+=("$g")
  plain+=("$b")
  peaks+=("$kb")
  echo "round $round: game ${g} ms, bare window ${b} ms, game peak RSS ${kb} KiB"
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
mg=$(median "${game[@]}")
mb=$(median "${plain[@]}")
echo "median start-up: game ${mg} ms, bare window ${mb} ms, ratio $(awk -v g="$mg" -v b="$mb" 'BEGIN {printf "%.2f", (b > 0) ? g / b : 0}') x; median game peak RSS: $(median "${peaks[@]}") KiB"
