#!/usr/bin/env bash
# End to end with two real processes under a virtual X display: a second start hands its level
# files to the running window and ends without a window of its own; a killed instance leaves
# nothing in the way of the next start.
# Usage: two_process_test.sh <warehaus4 executable> <levels folder>
set -euo pipefail

if [ -z "${W4_TWO_INNER:-}" ]; then
  export W4_TWO_INNER=1
  # A display number of its own: runs of xvfb-run started together race for the first free one.
  exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" "$0" "$@"
fi

exe=$1
levels=$2
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export SDL_AUDIODRIVER=dummy
pids=()
cleanup() {
  for p in "${pids[@]}"; do
    if kill -0 "$p" 2>/dev/null; then kill -9 "$p" 2>/dev/null || true; fi
  done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
fail() { echo "FAIL: $*" >&2; [ -f "$work/out.txt" ] && cat "$work/out.txt" >&2; exit 1; }
. "$(dirname "$0")/e2e_quit.sh"

folder="$work/game"
mkdir -p "$folder/levels" "$work/elsewhere"
cp "$exe" "$folder/warehaus4"
cp "$levels/0101.xsb" "$levels/0102.xsb" "$folder/levels/"
printf '#######\n#@ $ .#\n#######\n' >"$work/a.xsb"
printf '#####\n#@$.#\n#####\n' >"$work/elsewhere/b.XSB"
printf '#####\n#.$@#\n#####\n' >"$work/c.xsb"

# Starts the game in the background and waits for its window; sets $pid and $main.
start_first() {
  "$folder/warehaus4" >>"$work/out.txt" 2>&1 &
  pid=$!
  pids+=("$pid")
  main=$(timeout 30 xdotool search --sync --onlyvisible --name '^Warehaus4$' | head -n 1 || true)
  [ -n "$main" ] || fail "no main window"
}

windows() { xdotool search --onlyvisible --name '^Warehaus4$' 2>/dev/null | wc -l; }

# A later start: must end by itself, successfully and soon, and leave one window on the desktop.
second_start() {
  local rc=0
  (cd "$work" && timeout 20 "$folder/warehaus4" "$@") >>"$work/out.txt" 2>&1 || rc=$?
  [ "$rc" -eq 0 ] || fail "the second start ended with $rc"
  kill -0 "$pid" 2>/dev/null || fail "the running window went away"
  [ "$(windows)" -eq 1 ] || fail "$(windows) windows after the second start"
}

# Escape asks to quit; Yes is the question's default button, so Return answers it.
quit_first() { quit_game "$main" "$pid"; }

crlf_lines() { printf '%s\r\n' "$@"; }

# 1. Two level files handed to the running window: both appended, the second one current. The
#    option --portable is no file and is not handed over.
start_first
second_start --portable "$work/a.xsb" elsewhere/b.XSB
quit_first
[ "$(cat "$folder/boxyard4.lev")" = "$(crlf_lines "$folder/levels/0101.xsb" "$folder/levels/0102.xsb" \
  "$work/a.xsb" "$work/elsewhere/b.XSB")" ] || fail "playlist file: $(od -c "$folder/boxyard4.lev" | head)"
grep -q $'^Index=3\r$' "$folder/boxyard4.ini" || fail "settings: $(cat "$folder/boxyard4.ini")"

# 2. A start without arguments only brings the running window forward.
start_first
second_start
# 3. Killed without a chance to clean up: the next start must still become the running window.
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
start_first
second_start "$work/c.xsb"
quit_first
tail -n 1 "$folder/boxyard4.lev" | grep -qx "$work/c.xsb"$'\r' || fail "after the kill: $(cat "$folder/boxyard4.lev")"
grep -q $'^Index=4\r$' "$folder/boxyard4.ini" || fail "settings after the kill: $(cat "$folder/boxyard4.ini")"

# 4. A name in Windows-1252 (byte 0xE9), on the first start's command line and handed over by a
# later one relative to its folder, reaches the playlist byte for byte.
e9=$(printf 'caf\351')
printf '#####\n#@$.#\n#####\n' >"$work/$e9.xsb"
printf '#######\n#@ $ .#\n#######\n' >"$work/elsewhere/$e9.xsb"
"$folder/warehaus4" "$work/$e9.xsb" >>"$work/out.txt" 2>&1 &
pid=$!
pids+=("$pid")
main=$(timeout 30 xdotool search --sync --onlyvisible --name '^Warehaus4$' | head -n 1 || true)
[ -n "$main" ] || fail "no main window with a Windows-1252 name"
second_start "elsewhere/$e9.xsb"
quit_first
tail -n 2 "$folder/boxyard4.lev" | cmp -s - <(crlf_lines "$work/$e9.xsb" "$work/elsewhere/$e9.xsb") ||
  fail "Windows-1252 names: $(od -c "$folder/boxyard4.lev" | tail -n 4)"
echo "PASS"
