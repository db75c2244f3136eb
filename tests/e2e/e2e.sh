# Sourced by the end-to-end tests. begin_e2e starts a private X server and a
# throw-away home folder (with its own documents and runtime folders) for the
# program, and cleans both up when the test ends; start_program runs the
# program with its arguments and waits for its window.
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/xvfb.sh"

fail() { echo "FAIL: $*" >&2; exit 1; }
press() { xdotool key "$1"; sleep "${2:-0.4}"; }

end_e2e() {
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true
  stop_xvfb
  rm -rf "$home"
}

begin_e2e() {
  home=$(mktemp -d)
  trap end_e2e EXIT
  start_xvfb
  mkdir -p "$home/Documents" "$home/runtime"
  export HOME="$home" XDG_RUNTIME_DIR="$home/runtime" SDL_AUDIODRIVER=dummy
}

# Starts the program in the background (its process id in pid) and focuses
# its window (its id in window).
start_program() {
  "$program" "$@" &
  pid=$!
  window=$(wait_for_window Tavlo 10) || fail "no window titled Tavlo"
  sleep 1
  xdotool windowfocus --sync "$window" 2>/dev/null || true
}

# Leaves the game and then the program with Escape, as a user does, and waits
# for the program to end in order: it saves the profile then.
quit_from_game() {
  press Escape 1.5
  press Escape
  wait_for_exit "$pid" 30 || fail "the program did not end"
  pid=
}

# A line of the default profile's saved option file, without its line end.
option_line() { sed -n "${1}p" "$home/Documents/Tavlo/profiles/Tavlo" | tr -d '\r '; }
