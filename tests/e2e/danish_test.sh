#!/usr/bin/env bash
# The real program on a Danish desktop: with nothing chosen but the locale, a
# fresh program folder (lang.txt says "eng") starts in Danish, creates its
# data folder with the Danish word lists and reaches the main menu with the
# Danish game buttons.
set -euo pipefail
source "$(dirname "$0")/e2e.sh" "$@"

begin_e2e
unset LC_ALL LC_MESSAGES TAVLO_LANGUAGE
export LANG=da_DK.UTF-8
start_program window
xdotool key Return   # "Ja": create the data folder
for _ in $(seq 1 40); do
  [ -f "$home/Documents/Tavlo/db/den.sqlite" ] && break
  sleep 0.25
done
[ -f "$home/Documents/Tavlo/db/den.sqlite" ] || fail "the data folder has no Danish word lists"
sleep 0.5
xdotool key Return   # skip the title

# Game 1's button stands at (322, 20); inside its border it must be the Danish
# picture ("en / et"), not the English one ("a / an"). A busy machine may take
# a while to show the menu, so the screen is looked at again until it does.
button="$(dirname "$program")/gfx/menu/den/01.gif"
convert "$button" -crop 120x90+5+5 +repage "$output/danish-button-expected.png"
differing=unknown
for _ in $(seq 1 20); do
  sleep 0.5
  import -window "$window" "$output/danish-main-menu.png"
  convert "$output/danish-main-menu.png" -crop 120x90+327+25 +repage "$output/danish-button.png"
  differing=$(compare -metric AE -fuzz 10% "$output/danish-button.png" \
    "$output/danish-button-expected.png" null: 2>&1 || true)
  [ "${differing%% *}" -lt 200 ] 2>/dev/null && break
done
[ "${differing%% *}" -lt 200 ] 2>/dev/null ||
  fail "the first game button is not the Danish one ($differing pixels differ)"

xdotool key Escape
wait_for_exit "$pid" 10 || fail "Escape did not end the program"
wait "$pid" || fail "the program ended with an error"
pid=
echo "1 passed, 0 failed"
