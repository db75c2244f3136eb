#!/usr/bin/env bash
# Kills Tavlo with SIGKILL at random moments and checks that no answer and no
# option file is ever lost or left half-written. Not part of the test run: it
# takes minutes (about 10 s per quit).
#
#   tools/kill-test.sh [--saves N] [--quits N] [--seed S]
#
# --saves N (1000 by default): a loop that saves a profile as fast as it can
#   (tavlo_save_loop) is killed N times, each time a random 0-49 ms after it
#   started. After each kill the option file must have its 141 lines, load, and
#   hold the answers of the last save the loop reported, or of the one after.
# --quits N (200 by default): the real program under a private Xvfb plays two
#   answers of Game 1, goes back to the menu and quits with Escape (which
#   takes about 100 ms), and is killed a random 0-199 ms after that Escape:
#   before, while or after it saves. After each round the option file must
#   have its 141 lines and hold at least the answers it held before, more
#   after a quit that ended before the kill (the blind keys do not always land
#   both answers), and the next start must find the data folder usable.
# Either count may be 0. Leftover temporary files are counted, not failed.
set -euo pipefail
cd "$(dirname "$0")/.."

saves=1000
quits=200
seed=$$
while [ $# -gt 0 ]; do
  case $1 in
    --saves) saves=$2; shift 2 ;;
    --quits) quits=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    *) sed -n '2,18p' "$0" | sed 's/^# \{0,1\}//'; exit 2 ;;
  esac
done
RANDOM=$seed
echo "seed $seed"

if ! build_output=$(tools/build.sh 2>&1 && cmake --build --preset default --target tavlo_save_loop 2>&1); then
  echo "$build_output"
  exit 1
fi

work=$(mktemp -d)
cleanup() {
  local status=$?
  if [ -n "${pid:-}" ]; then kill -9 "$pid" 2>/dev/null || true; fi
  if declare -F stop_xvfb >/dev/null; then stop_xvfb; fi
  if [ "$status" -eq 0 ]; then rm -rf "$work"; else echo "Left for a look: $work" >&2; fi
}
trap cleanup EXIT
fail() { echo "FAIL (round $1): $2" >&2; exit 1; }

# Every line of an option file ends in CR LF, and it has exactly 141 of them.
check_option_file() {
  local round=$1 file=$2 lines
  [ -f "$file" ] || fail "$round" "no option file $file"
  lines=$(grep -c $'\r$' "$file" || true)
  [ "$lines" -eq 141 ] && [ "$(wc -l <"$file")" -eq 141 ] ||
    fail "$round" "$file has $(wc -l <"$file") lines, $lines of them whole"
}

leftovers() { find "$1" -name '.saving-*' | wc -l; }

if [ "$saves" -gt 0 ]; then
  loop=$work/tavlo_save_loop
  cp build/tavlo_save_loop "$loop"
  data=$work/saves
  mkdir -p "$data"
  # A first save, ended by its closed output, gives the file to check.
  "$loop" "$data" | head -n 1 >/dev/null || true
  answers=$("$loop" --check "$data")
  before_save=0
  for round in $(seq 1 "$saves"); do
    "$loop" "$data" >"$work/reported" &
    pid=$!
    sleep "0.0$(printf '%02d' $((RANDOM % 50)))"
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=
    reported=$(tail -n 1 "$work/reported")
    if [ -z "$reported" ]; then
      reported=$answers
      before_save=$((before_save + 1))
    fi
    check_option_file "$round" "$data/profiles/Anna"
    held=$("$loop" --check "$data") || fail "$round" "the option file does not load"
    if [ "$held" -ne "$reported" ] && [ "$held" -ne $((reported + 1)) ]; then
      fail "$round" "the last save reported $reported answers, the file holds $held"
    fi
    answers=$held
  done
  echo "saves: $saves kills, $before_save of them before the first save of their run;" \
       "every file whole and loaded, $answers answers saved, none lost;" \
       "$(leftovers "$data") temporary files left behind"
fi

if [ "$quits" -gt 0 ]; then
  source tools/xvfb.sh
  start_xvfb
  home=$work/home
  mkdir -p "$home/Documents" "$home/runtime"
  export HOME=$home XDG_RUNTIME_DIR=$home/runtime SDL_AUDIODRIVER=dummy
  # A copy of the program folder, so that a rebuild meanwhile changes nothing.
  cp -a build/program "$work/program"
  program=$work/program/tavlo
  data=$home/Documents/Tavlo
  option_file=$data/profiles/Tavlo
  press() { xdotool key "$1"; sleep "${2:-0.4}"; }
  # Starts the program and waits for its window; a start that shows no window
  # means the data folder was left unusable.
  start() {
    "$program" window &
    pid=$!
    local window
    if ! window=$(wait_for_window Tavlo 30); then
      if kill -0 "$pid" 2>/dev/null; then
        echo "Windows: $(xdotool search --name . getwindowname %@ 2>&1 | tr '\n' '|')" >&2
        import -window root "$work/no-window.png" 2>/dev/null || true
        echo "Where it waits:" >&2
        gdb -p "$pid" -batch -ex "thread apply all bt 15" 2>/dev/null | grep -E '^(#|Thread)' >&2 || true
        fail "$1" "the program opened no window in 30 s"
      fi
      local status=0
      wait "$pid" || status=$?
      fail "$1" "the program ended with status $status without opening a window"
    fi
    sleep 1
    xdotool windowfocus --sync "$window" 2>/dev/null || true
  }
  answers_in() { awk 'NR >= 6 && NR <= 50 && NR % 3 != 0 { sum += $1 } END { print sum + 0 }' "$1"; }

  start 0
  press Return 1.5   # yes, make the data folder
  press Return 1     # skip the title
  press Escape
  wait_for_exit "$pid" 10 || fail 0 "the first start did not end"
  pid=
  check_option_file 0 "$option_file"
  answers=$(answers_in "$option_file")
  ended=0
  killed_saving=0
  for round in $(seq 1 "$quits"); do
    start "$round"
    press Return 1     # skip the title
    press space        # onto Game 1
    press Return 3     # open it
    press space
    press Return 1.5
    press space
    press Return 1.5
    press Escape 1.5   # back to the menu
    xdotool key Escape
    sleep "0.$(printf '%03d' $((RANDOM % 200)))"
    if kill -0 "$pid" 2>/dev/null; then
      kill -9 "$pid" 2>/dev/null || true
      killed_saving=$((killed_saving + 1))
      how="was killed"
      wait "$pid" 2>/dev/null || true
      pid=
      minimum=$answers
    else
      wait "$pid" 2>/dev/null || true
      pid=
      ended=$((ended + 1))
      how="ended"
      minimum=$((answers + 1))
    fi
    check_option_file "$round" "$option_file"
    held=$(answers_in "$option_file")
    if [ "$held" -lt "$minimum" ] || [ "$held" -gt $((answers + 2)) ]; then
      fail "$round" "the file held $answers answers, two were played and the quit $how; it now holds $held"
    fi
    answers=$held
  done
  start $((quits + 1))
  press Return 1
  press Escape
  wait_for_exit "$pid" 10 || fail $((quits + 1)) "the last start did not end"
  pid=
  echo "quits: $quits, $killed_saving killed before they ended, $ended ended before the kill;" \
       "every file whole, $answers answers saved, never fewer than before, none lost by a quit that ended;" \
       "$(leftovers "$data") temporary files left behind"
fi
