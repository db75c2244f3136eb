#!/usr/bin/env bash
# Games 6 and 9 in the real program under Xvfb, each opened by its letter key
# and played through one whole set with the two switches alone (Space steps,
# Enter chooses); a typed digit reaches Game 9 as a wrong letter. The answers
# must reach the saved profile.
set -euo pipefail
source "$(dirname "$0")/e2e.sh" "$@"

# The mean colour of an 85 x 85 picture of the game window at its top left corner.
picture_colour() {
  import -window "$window" png:- | convert - -crop "85x85+$1+$2" -resize 1x1 -format '%[pixel:p{0,0}]' info:
}
window_pixel() {
  import -window "$window" png:- | convert - -crop "1x1+$1+$2" -format '%[pixel:p{0,0}]' info:
}

# Opens a game by its letter and waits for its screen, known by the colour of
# its background at the left edge (the program may still be busy with its title).
open_game() {
  local letter=$1 background=$2
  for _ in 1 2 3; do
    press "$letter" 1
    for _ in $(seq 1 10); do
      [ "$(window_pixel 10 450)" = "$background" ] && { sleep 1; return 0; }
      sleep 0.5
    done
  done
  fail "the letter $letter did not open its game"
}

begin_e2e
start_program window
press Return 1.5   # yes, make the data folder
press Return 1     # skip the title

# Game 6: step to a pot and choose it until the current picture shows in
# colour; the fourth ends the set and a new one begins.
open_game f "srgb(230,230,230)"
import -window root "$output/game06-start.png"
pictures_x=(182 552 182 552)
pictures_y=(92 92 252 252)
choices=0
for picture in 0 1 2 3; do
  uncoloured=$(picture_colour "${pictures_x[picture]}" "${pictures_y[picture]}")
  for _ in 1 2 3 4; do
    press space 0.3
    press Return 1.1   # past the answer's sound
    choices=$((choices + 1))
    if [ "$(picture_colour "${pictures_x[picture]}" "${pictures_y[picture]}")" != "$uncoloured" ]; then
      sleep 2.5        # the pause before the next order, or the reward sound and a new set
      break
    fi
  done
done
import -window root "$output/game06-next-set.png"
press Escape 1.5

# Game 9: a typed digit is a wrong letter; then each picture in turn fills its
# word. The default list always stands a word of five letters upright with two
# words crossing it.
open_game i "srgb(255,198,170)"
press 7 1
press space 0.3
press Return 1
press space 0.3
press Return 1
press space 0.3
press Return 5     # the last word spoken, the reward sound, a new crossword
import -window root "$output/game09-next-crossword.png"
press Escape 1.5
press Escape
wait_for_exit "$pid" 30 || fail "the program did not end"
pid=

# Each game's counts stand in the option file's lines 6 + 3 (game - 1) + 1 and + 2.
[ "$(right_count 6)" = 4 ] || fail "Game 6: four pictures were painted, the profile counts $(right_count 6) right"
[ "$(wrong_count 6)" = $((choices - 4)) ] ||
  fail "Game 6: $((choices - 4)) pots were wrong, the profile counts $(wrong_count 6)"
[ "$(right_count 9)" = 3 ] || fail "Game 9: three words were filled, the profile counts $(right_count 9) right"
[ "$(wrong_count 9)" = 1 ] || fail "Game 9: one wrong letter was typed, the profile counts $(wrong_count 9) wrong"
echo "1 passed, 0 failed"
