#!/usr/bin/env bash
# Game 15 in the real program under Xvfb, steered with the keys: the animal is
# taken up beside the first word's label (the F3 pause stops it while the
# screen is read), turned left into it, then up into the top bar. The first
# word is reached, the round is lost, and the saved profile counts it.
set -euo pipefail
source "$(dirname "$0")/e2e.sh" "$@"

shot="$output/game15-now.png"
take_shot() { import -window "$window" "$shot"; }
window_pixel() { convert "$shot" -format "%[pixel:p{$1,$2}]" info:; }
# The box (WxH+X+Y) of the pixels of one colour in a part (WxH+X+Y) of the shot.
box_of() {
  convert "$shot" -crop "$2" +repage -fuzz "$3" -fill black +opaque "$1" -fill white \
    -opaque "$1" ${4:-} -format "%@" info:
}
# The arrow beside the animal: its orange frame, in the play field below y = 100.
arrow_box() { box_of "rgb(245,124,0)" 800x499+0+101 8%; }
# The blue border of the wanted word's picture, 2 pixels left of picture i.
wanted_picture_is() { [ "$(window_pixel $((138 + 120 * $1)) 50)" = "srgb(0,0,255)" ]; }
field() { echo "$1" | sed -E 's/([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)/\'"$2"'/'; }

begin_e2e
start_program window
press Return 1.5   # yes, make the data folder
press Return 1     # skip the title
# Game 15 by its letter, known by its white top bar over the black line at
# y = 100; on a busy machine the menu may still be on its way, so the letter
# is pressed again.
for _ in 1 2 3; do
  press o 1
  for _ in $(seq 1 10); do
    take_shot
    [ "$(window_pixel 240 50)" = "srgb(255,255,255)" ] && [ "$(window_pixel 400 100)" = "srgb(0,0,0)" ] &&
      break 2
    sleep 0.5
  done
done
cp "$shot" "$output/game15-start.png"
wanted_picture_is 0 || fail "the first picture is not marked as the wanted word"

# The first word's label stands alone in the top left quarter. Its white
# rows, without the grass's small flowers: runs of 15 white pixels or more.
label=$(box_of white 395x195+0+101 2% "-morphology Open Rectangle:15x1")
label_bottom=$(( $(field "$label" 4) + 101 + $(field "$label" 2) ))
# The animal's middle that keeps its 64 pixels beside the label, below the
# top bar and above the lower quarters.
target=$(( label_bottom - 37 ))
[ "$target" -lt 160 ] && target=160
echo "label $label, the animal goes up to y = $target"

reached() { wanted_picture_is 1; }
# Reads the screen with the animal standing (F3), and lets it run again after.
paused_shot() { press F3 0.1; take_shot; }
resume() { press F3 "${1:-0}"; }

# The announcement over, the animal runs off to the right: stop it at once.
start_x=$(field "$(arrow_box)" 3)
for _ in $(seq 1 50); do
  take_shot
  [ "$(field "$(arrow_box)" 3)" != "$start_x" ] && break
  sleep 0.1
done
paused_shot
# Back left of the middle, so that going up passes the right quarter's label.
if [ "$(field "$(arrow_box)" 3)" -gt 398 ]; then
  press Left 0
  for _ in $(seq 1 30); do
    resume 0.1
    paused_shot
    arrow=$(arrow_box)
    [ $(( $(field "$arrow" 3) + 120 )) -le 398 ] && break
  done
fi
press Up 0
# Up to the label's height, then left into it.
for _ in $(seq 1 60); do
  resume 0.15
  paused_shot
  reached && break
  # The arrow stands on the animal: its bottom is the animal's top. Only the
  # part below the top bar is read, so its bottom is the edge to count from.
  arrow=$(arrow_box)
  middle=$(( $(field "$arrow" 4) + $(field "$arrow" 2) + 101 + 32 ))
  if [ "$middle" -le $((target + 3)) ]; then
    press Left 0
    resume 0
    break
  fi
done

for _ in $(seq 1 50); do
  take_shot
  wanted_picture_is 1 && break
  sleep 0.2
done
cp "$shot" "$output/game15-first-word.png"
wanted_picture_is 1 || fail "the animal never reached the first word"

# After the short pause the animal runs into the top bar and falls; the next
# round marks the first picture again.
sleep 1.5
press Up 0.5
for _ in $(seq 1 60); do
  take_shot
  wanted_picture_is 0 && break
  sleep 0.3
done
wanted_picture_is 0 || fail "no new round began after the animal fell"
rm -f "$shot"

quit_from_game
# Game 15's counts stand in the option file's lines 49 (right) and 50 (wrong).
[ "$(wrong_count 15)" = 1 ] || fail "one round was lost, the profile counts $(wrong_count 15)"
[ "$(right_count 15)" = 0 ] || fail "no round was won, the profile counts $(right_count 15)"
echo "1 passed, 0 failed"
