#!/usr/bin/env bash
# The attempt in progress survives a kill: the real executable under a virtual X display plays two
# moves, is killed with SIGKILL once its recovery file holds them, starts again and resumes them
# with F9 (a third move shows in the recovery file that they came back), then SIGTERM ends it at
# once, keeping the attempt and writing no settings.
# Usage: kill_test.sh <warehaus4 executable> <levels folder>
set -euo pipefail

if [ -z "${W4_E2E_INNER:-}" ]; then
  export W4_E2E_INNER=1
  exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" "$0" "$@"
fi

exe=$1
levels=$2
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
pid=""
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill -9 "$pid"; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [ -f "$work/out.txt" ] && cat "$work/out.txt" >&2; exit 1; }

folder="$work/game"
mkdir -p "$folder/levels"
cp "$exe" "$folder/warehaus4"
cp "$levels/0101.xsb" "$folder/levels/"
recovery="$folder/boxyard4.attempt.sok"
snapshots="$folder/levels/0101.snapshots.sok"

unset QT_QPA_PLATFORM
start_game() {
  "$folder/warehaus4" --portable >>"$work/out.txt" 2>&1 &
  pid=$!
  main=""
  for _ in $(seq 1 600); do
    main=$(xdotool search --onlyvisible --name '^Warehaus4$' 2>/dev/null | head -n 1 || true)
    [ -n "$main" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the game ended at start"
    sleep 0.1
  done
  [ -n "$main" ] || fail "no main window"
  xdotool windowfocus --sync "$main"
}
# Waits (up to a minute, whatever the build's speed) until the recovery file holds the marked moves $1.
wait_recovery() {
  for _ in $(seq 1 600); do
    grep -q "^$1"$'\r$' "$recovery" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "the recovery file never held $1: $(cat "$recovery" 2>/dev/null)"
}

start_game
xdotool key --delay 100 Right Right
wait_recovery 'rr\*'
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
pid=""
[ ! -f "$folder/boxyard4.ini" ] || fail "settings written without a quit"

# The next start makes the attempt an automatic snapshot; F9 puts it back on the board.
start_game
for _ in $(seq 1 600); do [ -f "$snapshots" ] && break; sleep 0.1; done
grep -q $'^rr\\*\r$' "$snapshots" || fail "no automatic snapshot: $(cat "$snapshots" 2>/dev/null)"
# Keys are handled in order: the restore is done before the next key is read.
xdotool key F9
xdotool key Left
wait_recovery 'rrl\*'

kill -TERM "$pid"
status=0
for _ in $(seq 1 600); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "SIGTERM did not end the game"
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "SIGTERM: exit status $status"
grep -q $'^rrl\\*\r$' "$recovery" || fail "the attempt was not kept at SIGTERM"
[ ! -f "$folder/boxyard4.ini" ] || fail "settings written without a quit"
echo "PASS"
