#!/usr/bin/env bash
# Games 12, 13 and 14 in the real program under Xvfb: each is opened from the
# main menu by its letter key and played with the two switches alone (Space
# steps, Enter chooses) through a whole round, and the counts reach the saved
# profile.
#
# The answers are found blind, as a child who tries each word in turn: Space
# then Enter, again and again. A box of Game 12 or a picture of Game 13 is
# answered within four tries (the next one starts at its first word); the
# buttons of Game 14 stay in the scanning list, so after the first picture
# each needs at most three: 16, 16 and 13 tries. Each game gets eight more,
# since on a busy machine a press may come within the 50 ms in which the
# game ignores a second one.
set -euo pipefail
source "$(dirname "$0")/e2e.sh" "$@"
begin_e2e

# A first run makes the data folder and the profile. Sound effects are then
# switched off in it, so that no answer sound holds up (and drops) the next
# presses; the reward sound at the end of a round still plays.
start_program window
press Return 1.5   # yes, make the data folder
press Return 1.5   # skip the title
import -window root "$output/first-run.png"
press Escape
wait_for_exit "$pid" 5 || { press Escape; wait_for_exit "$pid" 30; } || fail "the first run did not end"
pid=
[ -f "$(option_file)" ] || fail "no option file"
set_option_line 3 0

start_program window
press Return 1     # skip the title

# play LETTER TRIES NAME: opens the game, gives TRIES answers, waits out the
# reward sound, takes a screenshot and goes back to the menu.
play() {
  press "$1" 2.5
  for _ in $(seq "$2"); do
    press space 0.3
    press Return 0.3
  done
  sleep 3
  import -window root "$output/$3.png"
  press Escape 1.5
}
play l 24 game12
play m 24 game13
play n 21 game14

press Escape
wait_for_exit "$pid" 30 || fail "the program did not end"
pid=

# count GAME TRIES: a whole round is four right answers, and no press counts twice.
count() {
  local right wrong
  right=$(right_count "$1")
  wrong=$(wrong_count "$1")
  [ "$right" -ge 4 ] || fail "game $1: a whole round was played, yet only $right right answers were counted"
  [ $((right + wrong)) -le "$2" ] || fail "game $1: $2 answers were given, $right right and $wrong wrong counted"
  echo "game $1: $right right, $wrong wrong"
}
count 12 24
count 13 24
count 14 21
echo "3 passed, 0 failed"
