#!/usr/bin/env bash
# Games 7, 8, 10 and 11 in the real program under Xvfb: each opened from the
# main menu by its letter key and played with the two switches alone (Space
# steps, Enter chooses) through at least one whole scene, set or sentence;
# the answers reach the saved profile.
#
# The switches try the choices in turn, so every gap, row, question and word
# is answered within as many tries as it has choices. Sound effects are off
# (the reward sounds stay on), so that only the reward sound after a finished
# item makes the game wait.
set -euo pipefail
source "$(dirname "$0")/e2e.sh" "$@"

# Escape on the main menu ends the program; on a busy machine a first Escape
# may still meet the title, so it is pressed again while the program runs.
quit_program() {
  for _ in 1 2 3; do
    press Escape
    if wait_for_exit "$pid" 5; then
      pid=
      return
    fi
  done
  fail "the program did not end"
}
# Steps to the next choice and chooses it, the given number of times.
tries() {
  local count=$1 pause=${2:-0.3}
  for _ in $(seq 1 "$count"); do
    press space 0.25
    press Return "$pause"
  done
}
# Opens a game with its letter key, plays it, shows the result, goes back.
play() {
  local key=$1 name=$2 count=$3 pause=$4
  press "$key" 3
  tries "$count" "$pause"
  sleep 3   # a finished item's reward sound
  import -window root "$output/$name.png"
  press Escape 1.5
}

begin_e2e
start_program window
# Yes, make the data folder (asked once the window is up, which may take a while).
made_folder() {
  for _ in $(seq 1 30); do
    [ -d "$home/Documents/Tavlo" ] && return 0
    sleep 0.1
  done
  return 1
}
for _ in 1 2 3 4 5; do
  press Return 0.2
  made_folder && break
done
sleep 1
press Return 1     # skip the title
quit_program
[ -f "$(option_file)" ] || fail "no option file"
set_option_line 3 0       # no sound effects
for random_word in 90 96 108 114; do set_option_line "$random_word" 0; done

start_program window
press Return 1     # skip the title
play g game07 16 0.3    # four gaps, each found within four tries
play h game08 8 0.3     # four rows of two endings
play j game10 10 0.9    # four yes/no questions; a right answer pauses half a second
play k game11 15 0.3    # the five words of "I can kick the ball."
quit_program

check() {
  local game=$1 least=$2 presses=$3
  local right wrong
  right=$(right_count "$game")
  wrong=$(wrong_count "$game")
  [ "$right" -ge "$least" ] ||
    fail "game $game: a whole item needs $least right answers, the profile counts $right"
  [ $((right + wrong)) -ge 1 ] && [ $((right + wrong)) -le "$presses" ] ||
    fail "game $game: $presses choices were made, the profile counts $right right and $wrong wrong"
}
check 7 4 16
check 8 4 8
check 10 4 10
check 11 5 15
echo "4 passed, 0 failed"
