#!/usr/bin/env bash
# Games 2 to 5 in the real program under Xvfb, each opened by its letter key
# and played with the two switches alone (Space steps, Enter chooses) until a
# whole set is done; the answers reach the saved profile. Sound effects are
# switched off first, so that no answer's speech holds back the next press.
set -euo pipefail
source "$(dirname "$0")/e2e.sh" "$@"


# How many progress frames, at the points given as x,y, show the done look
# (a green face).
done_frames() {
  local shot="$output/now.png" format="" n=0 r g b
  import -window "$window" "$shot"
  for point in "$@"; do format+="%[pixel:p{$point}]\n"; done
  while IFS=, read -r r g b; do
    if [ "$g" -gt $((r + 15)) ] && [ "$g" -gt $((b + 15)) ]; then n=$((n + 1)); fi
  done < <(convert "$shot" -format "$format" info: | tr -dc '0-9,\n' | cut -d, -f1-3)
  echo "$n"
}

# Opens game $1 with letter key $2 and steps and chooses, waiting $3 seconds
# after each choice, until all of its frames ($4 ...) are done, or until a new
# set has replaced the done one.
# Leaves the number of choices made in presses.
play_set() {
  local game=$1 key=$2 pause=$3
  shift 3
  local size=$# before=0 now
  press "$key" 2.5
  import -window "$window" "$output/game0$game-start.png"
  presses=0
  while [ "$presses" -lt $((size * 6)) ]; do
    press space 0.15
    press Return "$pause"
    presses=$((presses + 1))
    now=$(done_frames "$@")
    if [ "$now" -eq "$size" ] || [ "$now" -lt "$before" ]; then
      cp "$output/now.png" "$output/game0$game-done.png"
      sleep 2  # the rest of the reward sound, then the next set
      press Escape 1.5
      return 0
    fi
    before=$now
  done
  fail "game $game: no whole set after $presses choices"
}

begin_e2e
first_start
set_option_line 3 0   # sound effects off

start_program window
press Return 1     # skip the title
# Points on the left edge of each progress frame, clear of texts and pictures.
play_set 2 b 0.2 70,160 440,160 70,340 440,340
played[2]=$presses; size[2]=4
play_set 3 c 0.7 63,145 433,145 63,235 433,235 63,325 433,325
played[3]=$presses; size[3]=6
play_set 4 d 0.2 18,205 418,205 18,450 418,450
played[4]=$presses; size[4]=4
play_set 5 e 0.2 133,111 133,213 133,315 133,417
played[5]=$presses; size[5]=4

press Escape
wait_for_exit "$pid" 30 || fail "the program did not end"
pid=

for game in 2 3 4 5; do
  right=$(right_count "$game")
  wrong=$(wrong_count "$game")
  [ "$right" -eq "${size[$game]}" ] ||
    fail "game $game: a whole set is ${size[$game]} right answers, the profile counts $right"
  [ $((right + wrong)) -eq "${played[$game]}" ] ||
    fail "game $game: ${played[$game]} choices were made, the profile counts $right right and $wrong wrong"
done
echo "4 passed, 0 failed"
