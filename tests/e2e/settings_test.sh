#!/usr/bin/env bash
# The grown-ups' side in the real program under Xvfb, worked with the two
# switches alone (Space steps, Enter chooses): the options menu opens from the
# main menu, the statistics open and close, a game's star is switched off and
# the menu is left; the option file and the main menu show the game hidden.
set -euo pipefail
source "$(dirname "$0")/e2e.sh" "$@"

steps() { local i; for ((i = 0; i < $1; i++)); do press space 0.15; done; }

begin_e2e
start_program window
press Return 1.5   # yes, make the data folder
press Return 2.5   # skip the title
steps 17           # fifteen games, stop, then the options button
press Return 1.5
import -window "$window" "$output/settings-options.png"

steps 3            # stop, profile, statistics
press Return 1.5
import -window "$window" "$output/settings-statistics.png"
steps 1            # the statistics' stop button
press Return 1

steps 12           # from statistics on to game 2's star
press Return 1
import -window "$window" "$output/settings-star-off.png"
steps 27           # round the forty-one choices to the stop button
press Return 1.5
import -window "$window" "$output/settings-menu.png"

# The main menu's second place now holds game 3, yellow, not game 2, purple.
pixel=$(convert "$output/settings-menu.png" -format '%[fx:int(255*p{540,30}.r)],%[fx:int(255*p{540,30}.g)],%[fx:int(255*p{540,30}.b)]' info:)
IFS=, read -r red green blue <<<"$pixel"
[ "$green" -gt 150 ] && [ "$blue" -lt 150 ] || fail "game 2 still stands second on the main menu ($pixel)"

steps 15           # the fourteen games left, then the stop button
press Return
wait_for_exit "$pid" 30 || fail "the program did not end"
pid=

[ -f "$(option_file)" ] || fail "no option file"
[ "$(option_line 9)" = "0" ] || fail "game 2 is still shown on the main menu in the option file"
[ "$(option_line 6)" = "1" ] || fail "game 1 was hidden too"
echo "1 passed, 0 failed"
