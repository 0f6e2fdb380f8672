# Shared by the end-to-end scripts (sourced, not run). Needs a fail function in the caller.

# Prints the message box in front of the main window $1: a window of its own with the same title.
# Waits up to 10 s for it; returns 1 when none comes.
message_box() {
  local main=$1 box=""
  for _ in $(seq 1 100); do
    box=$(xdotool search --onlyvisible --name '^Warehaus4$' | grep -v "^$main\$" | head -n 1 || true)
    [ -n "$box" ] && { echo "$box"; return 0; }
    sleep 0.1
  done
  return 1
}

# Quits the game whose main window is $1 and whose process is $2 by Escape, answers the quit
# question with its default button (Yes), and waits for the process to end cleanly.
quit_game() {
  local main=$1 pid=$2 question=""
  xdotool windowfocus --sync "$main"
  xdotool key Escape
  question=$(message_box "$main") || fail "no quit question"
  xdotool windowfocus --sync "$question"
  xdotool key Return
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the game did not quit"
  wait "$pid" || fail "the game exited with an error"
}
