#!/usr/bin/env bash
# End to end: the real executable under a virtual X display, in a program folder of its own.
# Plays keys into it, answers the quit question and checks the playlist and settings it wrote.
# Usage: e2e_test.sh <warehaus4 executable> <levels folder>
set -euo pipefail

if [ -z "${W4_E2E_INNER:-}" ]; then
  export W4_E2E_INNER=1
  # A display number of its own: runs of xvfb-run started together race for the first free one.
  exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" "$0" "$@"
fi

exe=$1
levels=$2
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
pid=""
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid"; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [ -f "$work/out.txt" ] && cat "$work/out.txt" >&2; exit 1; }
. "$(dirname "$0")/e2e_quit.sh"

folder="$work/game"
mkdir -p "$folder/levels"
cp "$exe" "$folder/warehaus4"
cp "$levels/0101.xsb" "$levels/0102.xsb" "$folder/levels/"

unset QT_QPA_PLATFORM
# --portable is an option, never a playlist entry; the files stay beside the executable anyway.
"$folder/warehaus4" --portable >"$work/out.txt" 2>&1 &
pid=$!

main=$(timeout 30 xdotool search --sync --onlyvisible --name '^Warehaus4$' | head -n 1)
[ -n "$main" ] || fail "no main window"
xdotool windowfocus --sync "$main"

# Walk right and back, then go to the second level: Ctrl+Page Down.
xdotool key --delay 50 Right Left ctrl+Next
quit_game "$main" "$pid"
pid=""

expected=$(printf '%s\r\n%s\r\n' "$folder/levels/0101.xsb" "$folder/levels/0102.xsb")
actual=$(cat "$folder/boxyard4.lev")
[ "$actual" = "$expected" ] || fail "playlist file: $(od -c "$folder/boxyard4.lev" | head)"
grep -q $'^Index=1\r$' "$folder/boxyard4.ini" || fail "settings: $(cat "$folder/boxyard4.ini")"
grep -q $'^Mode=1\r$' "$folder/boxyard4.ini" || fail "settings mode"
echo "PASS"
