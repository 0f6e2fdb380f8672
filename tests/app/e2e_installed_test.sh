#!/usr/bin/env bash
# End to end, installed: `cmake --install` into a temporary prefix made read-only, the installed
# program started under a virtual X display with per-test XDG folders. Plays the first shipped
# level to the end and keeps its solution, quits, and checks that the settings, the playlist and
# the solution went to the XDG folders; a second start must read all three back.
# Usage: e2e_installed_test.sh <cmake> <build folder>
set -euo pipefail

if [ -z "${W4_INSTALLED_INNER:-}" ]; then
  export W4_INSTALLED_INNER=1
  # A display number of its own: runs of xvfb-run started together race for the first free one.
  exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" "$0" "$@"
fi

cmake=$1
build=$2
work=$(mktemp -d)
prefix="$work/prefix"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" HOME="$work/home"
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir "$HOME"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export SDL_AUDIODRIVER=dummy
pid=""
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill -9 "$pid" 2>/dev/null || true; fi
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [ -f "$work/out.txt" ] && cat "$work/out.txt" >&2; exit 1; }
. "$(dirname "$0")/e2e_quit.sh"

"$cmake" --install "$build" --prefix "$prefix" >"$work/install.txt" || fail "install: $(cat "$work/install.txt")"
[ -x "$prefix/bin/warehaus4" ] || fail "no bin/warehaus4"
[ -f "$prefix/share/warehaus4/levels/0101.xsb" ] || fail "no shipped levels"
# Nothing of the install may be written by the program. Root ignores the permission bits; the
# program judges folders by them too, so this holds for root as well.
desktop-file-validate "$prefix/share/applications/warehaus4.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/org.example.warehaus4.metainfo.xml" >"$work/appstream.txt" ||
  fail "metainfo: $(cat "$work/appstream.txt")"
for size in 16 24 32 48 64 128 256; do
  [ "$(identify -format '%wx%h' "$prefix/share/icons/hicolor/${size}x${size}/apps/warehaus4.png")" = "${size}x${size}" ] ||
    fail "icon of ${size} pixels"
done
touch "$work/installed"
chmod -R a-w "$prefix"

# The letters of a shortest solution of levels/0101.xsb.
solution=dlUrrrdLullddrUluRuulDrddrruLdlUU

keys_for() {
  local letters=$1 keys=()
  for ((i = 0; i < ${#letters}; i++)); do
    case ${letters:i:1} in
      l|L) keys+=(Left) ;; r|R) keys+=(Right) ;; u|U) keys+=(Up) ;; d|D) keys+=(Down) ;;
    esac
  done
  echo "${keys[@]}"
}

start_game() {
  "$prefix/bin/warehaus4" >>"$work/out.txt" 2>&1 &
  pid=$!
  main=$(timeout 30 xdotool search --sync --onlyvisible --name '^Warehaus4$' | head -n 1 || true)
  [ -n "$main" ] || fail "no main window"
  xdotool windowfocus --sync "$main"
}

# Answers the next message box (a window of its own with the game's title) with its default
# button, and waits until it has gone.
answer_box() {
  local box=""
  box=$(message_box "$main") || fail "no message box: $1"
  xdotool windowfocus --sync "$box"
  xdotool key Return
  for _ in $(seq 1 100); do
    xdotool search --onlyvisible --name '^Warehaus4$' | grep -qx "$box" || return 0
    sleep 0.1
  done
  fail "the message box stayed: $1"
}

# First start: the default playlist, level 0101 solved, its solution kept, a new window size.
start_game
xdotool windowsize --sync "$main" 800 600
# shellcheck disable=SC2046
xdotool key --delay 30 $(keys_for "$solution")
answer_box "congratulation"
answer_box "keep the solution"
quit_game "$main" "$pid"
pid=""

settings="$XDG_CONFIG_HOME/warehaus4/boxyard4.ini"
playlist="$XDG_CONFIG_HOME/warehaus4/boxyard4.lev"
stored=$(find "$XDG_DATA_HOME/warehaus4/solutions" -type f 2>/dev/null || true)
[ -f "$settings" ] || fail "no settings file under XDG_CONFIG_HOME"
[ -f "$playlist" ] || fail "no playlist file under XDG_CONFIG_HOME"
[ "$(echo "$stored" | grep -c .)" -eq 1 ] || fail "solutions kept: '$stored'"
case $stored in *%2Fshare%2Fwarehaus4%2Flevels%2F0101.XHT) ;; *) fail "solution file name: $stored" ;; esac
[ "$(cat "$stored")" = "$solution"$'\r' ] || fail "solution: $(od -c "$stored" | head)"
grep -q $'^Index=1\r$' "$settings" || fail "settings: $(cat "$settings")"
grep -q $'^Width=800\r$' "$settings" || fail "window width: $(cat "$settings")"
[ "$(head -n 1 "$playlist")" = "$prefix/share/warehaus4/levels/0101.xsb"$'\r' ] || fail "playlist: $(head -n 2 "$playlist")"
[ "$(wc -l <"$playlist")" -eq 270 ] || fail "playlist of $(wc -l <"$playlist") levels"
[ -z "$(find "$prefix" -newer "$work/installed" -print -quit)" ] || fail "the install was written to: $(find "$prefix" -newer "$work/installed")"

# Second start, with a shorter playlist: the window opens at the stored size on the stored
# level; the stored solution is read back, so a longer one is not offered for keeping (a
# question left open would keep the game from quitting).
head -n 3 "$playlist" >"$work/three" && cat "$work/three" >"$playlist"
start_game
xdotool getwindowgeometry "$main" | grep -q 'Geometry: 800x600' || fail "size: $(xdotool getwindowgeometry "$main")"
xdotool key --delay 30 ctrl+Prior
# shellcheck disable=SC2046
xdotool key --delay 30 Right Left $(keys_for "$solution")
answer_box "second congratulation"
quit_game "$main" "$pid"
pid=""

[ "$(cat "$stored")" = "$solution"$'\r' ] || fail "the kept solution changed: $(cat "$stored")"
[ "$(wc -l <"$playlist")" -eq 3 ] || fail "the playlist was not read back: $(wc -l <"$playlist") lines"
grep -q $'^Index=1\r$' "$settings" || fail "settings after the second run: $(cat "$settings")"
echo "PASS"
