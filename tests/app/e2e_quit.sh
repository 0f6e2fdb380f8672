# Shared by the end-to-end scripts (sourced, not run): quits the game whose main window is $1 and
# whose process is $2 by Escape, answers the quit question with its default button (Yes), and
# waits for the process to end cleanly. Needs a fail function in the caller.
quit_game() {
  local main=$1 pid=$2 question=""
  xdotool windowfocus --sync "$main"
  xdotool key Escape
  # The question is a window of its own with the same title.
  for _ in $(seq 1 100); do
    question=$(xdotool search --onlyvisible --name '^Warehaus4$' | grep -v "^$main\$" | head -n 1 || true)
    [ -n "$question" ] && break
    sleep 0.1
  done
  [ -n "$question" ] || fail "no quit question"
  xdotool windowfocus --sync "$question"
  xdotool key Return
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the game did not quit"
  wait "$pid" || fail "the game exited with an error"
}
