#!/usr/bin/env bash
# One gamepad button is the only switch of a child in one-switch mode: the
# real program under Xvfb, with SDL's virtual gamepad pressed through the
# test-only TAVLO_TEST_JOYSTICK file. The child opens Game 1 from the main
# menu, answers, and leaves by the scanned stop button; no key or mouse
# reaches the program until the grown-up quits it from the main menu.
set -euo pipefail
source "$(dirname "$0")/e2e.sh" "$@"

begin_e2e
profiles="$home/Documents/Tavlo/profiles"
first_start

# One-switch mode, a step each second; the access file makes button 0 of any
# gamepad the switch that chooses, with spoken scanning, the acceptance time,
# a pause after each choice, and the frame's buttons in the scan.
sed -i '1s/.*/1\r/; 2s/.*/1\r/' "$profiles/Tavlo"
printf '%s\n' speak_highlight=1 switch2=joystick:0 accept_ms=300 post_select_pause_ms=1000 \
  scan_frame_buttons=1 >"$profiles/Tavlo.access"
feed="$home/gamepad"
: >"$feed"
export TAVLO_TEST_JOYSTICK="$feed"

pointer() { xdotool getmouselocation --shell | sed -n 's/^[XY]=//p' | paste -sd, -; }
# Waits for the scanning highlight (the pointer) to move away from where it
# is now; prints where it went.
next_item() {
  local from
  from=$(pointer)
  for _ in $(seq 1 100); do
    sleep 0.1
    [ "$(pointer)" != "$from" ] && { pointer; return 0; }
  done
  fail "the scan stopped at $from"
}
# Waits for the highlight to reach the item (after leaving it, if it is
# there now), then presses the gamepad button long enough to count. The item
# is a pointer position or, for a column of the screen, "x,".
on() { [[ "$(pointer)," == "$1"* ]]; }
choose() {
  local seen_elsewhere=0
  for _ in $(seq 1 200); do
    if on "$1"; then
      [ "$seen_elsewhere" = 1 ] && break
    else
      seen_elsewhere=1
    fi
    sleep 0.1
  done
  on "$1" || fail "the scan never reached $1"
  echo "down 0" >>"$feed"
  sleep 0.5
  echo "up 0" >>"$feed"
  sleep 0.3
}

start_program window
press Return 1     # the grown-up skips the title; from now on only the gamepad
game1=$(next_item)  # the first item of the main menu's scan
choose "$game1"
# The frame's buttons stand where the frame puts them; the two answer buttons
# are the other items of a round, a left of an. Each picture sets their row,
# so they are known by their columns.
origin=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^[XY]=//p' | paste -sd, -)
at() { echo "$(( ${origin%,*} + $1 )),$(( ${origin#*,} + $2 ))"; }
frame_buttons=" $(at 35 35) $(at 700 35) $(at 765 35) "
stop_button=$(at 700 35)
columns=()
for _ in 1 2 3 4 5 6; do
  item=$(next_item)
  [[ "$frame_buttons" == *" $item "* ]] && continue
  [[ " ${columns[*]} " == *" ${item%,*}, "* ]] || columns+=("${item%,*},")
done
[ "${#columns[@]}" -eq 2 ] || fail "a round of Game 1 scans a and an besides the frame, it scanned ${columns[*]}"
read -r a_button an_button < <(printf '%s\n' "${columns[@]}" | sort -n | paste -sd' ' -)
import -window root "$output/switch-access-game01.png"
# A wrong answer keeps the word, so a and an in turn answer each word right.
for answer in a an a an a an; do
  if [ "$answer" = a ]; then choose "$a_button"; else choose "$an_button"; fi
  sleep 1.5
done
choose "$stop_button"
sleep 2
import -window root "$output/switch-access-left.png"

# Back on the main menu, one Escape quits; in the game it would only leave it.
press Escape
wait_for_exit "$pid" 30 || fail "the program did not end: the stop button did not leave the game"
pid=
right=$(option_line 7)
wrong=$(option_line 8)
[ "$right" -ge 3 ] || fail "six answers in turn give at least three right ones, the profile counts $right"
[ $((right + wrong)) -eq 6 ] || fail "six answers were given, the profile counts $right right and $wrong wrong"
echo "1 passed, 0 failed"
