# Sourced by the end-to-end tests. begin_e2e starts a private X server and a
# throw-away home folder (with its own documents and runtime folders) for the
# program, and cleans both up when the test ends; start_program runs the
# program with its arguments and waits for its window.
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/xvfb.sh"

# A test sources this file with its own two arguments: the program to run and
# the folder for its screenshots.
if [ $# -ge 2 ]; then
  program=$1
  output=$2
  mkdir -p "$output"
fi

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

# The program's first start: it makes the data folder and the default
# profile, which a test may then change before it starts the program again.
first_start() {
  start_program window
  press Return 1.5   # yes, make the data folder
  press Return 1     # skip the title
  press Escape
  wait_for_exit "$pid" 30 || fail "the program did not end"
  pid=
}

# The default profile's saved option file.
option_file() { echo "$home/Documents/Tavlo/profiles/Tavlo"; }
# A line of it, without its line end.
option_line() { sed -n "${1}p" "$(option_file)" | tr -d '\r '; }
# Sets line $1 of it to $2, keeping the file's line ends.
set_option_line() { sed -i "${1}s/.*/${2}\r/" "$(option_file)"; }
# The right and the wrong answers it counts for game $1: lines 7 and 8 for
# Game 1, three lines further on for each game after it.
right_count() { option_line $((7 + 3 * ($1 - 1))); }
wrong_count() { option_line $((8 + 3 * ($1 - 1))); }
