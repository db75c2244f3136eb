#!/usr/bin/env bash
# Game 1 in the real program under Xvfb, played with the two switches alone
# (Space steps, Enter chooses): the answers reach the saved profile.
set -euo pipefail
source "$(dirname "$0")/e2e.sh" "$@"

begin_e2e
start_program window
press Return 1.5   # yes, make the data folder
press Return 1     # skip the title
press space        # the highlight steps onto Game 1's button
press Return 3     # and Enter opens it
import -window root "$output/game01-start.png"

# Two answers: the first button, then the second one.
press space
press Return 4
press space
press Return 4
import -window root "$output/game01-answered.png"

press Escape 1.5   # back to the menu
press Escape
wait_for_exit "$pid" 30 || fail "the program did not end"
pid=

[ -f "$(option_file)" ] || fail "no option file"
right=$(right_count 1)
wrong=$(wrong_count 1)
[ $((right + wrong)) -eq 2 ] || fail "two answers were given, the profile counts $right right and $wrong wrong"
[ "$right" -ge 1 ] || fail "one of the two buttons is right for the first word, yet no right answer was counted"
echo "1 passed, 0 failed"
