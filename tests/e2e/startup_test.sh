#!/usr/bin/env bash
# The real program in a real window under Xvfb: it starts with "window",
# loads no library before it is needed, creates its data folder when asked,
# shows its title, refuses a second instance, ends in order on Escape and
# leaves a complete option file.
set -euo pipefail
source "$(dirname "$0")/e2e.sh" "$@"

begin_e2e
# Without a reachable display the program ends at once with a failure,
# instead of running on unseen with its locks held.
status=0
DISPLAY= timeout 10 "$program" window 2>/dev/null || status=$?
[ "$status" -eq 1 ] || fail "without a display the program ended with status $status, not 1"
[ ! -e "$home/Documents/Tavlo" ] || fail "without a display the program made its data folder"

start_program window
# Sound, generated speech, printing and word-list sorting load their
# libraries when first used: none of them while the first question waits.
for library in libSDL2_mixer libespeak-ng libcups libicui18n; do
  if grep -q "$library" "/proc/$pid/maps"; then fail "$library was loaded before it was needed"; fi
done
# First start: the question whether to create the data folder; Enter says yes.
xdotool key Return
sleep 1.5
[ -d "$home/Documents/Tavlo/profiles" ] || fail "the data folder was not created"

shot="$output/title.png"
import -window root "$shot"
blue=$(convert "$shot" txt:- | grep -c '#0000FF' || true)
[ "$blue" -gt 50 ] || fail "the screenshot shows no title text ($blue blue pixels)"
[ "$(xdotool getwindowname "$window")" = "Tavlo" ] || fail "the window is not titled Tavlo"

# Enter skips the title animation; the menu with its game buttons follows.
xdotool key Return
sleep 1
menu_shot="$output/main-menu.png"
import -window root "$menu_shot"
colours=$(convert "$menu_shot" -format %k info:)
[ "$colours" -gt 1000 ] || fail "the main menu shows only $colours colours"

# A second start while the first runs ends at once, without a window.
timeout 5 "$program" window || fail "the second instance did not end by itself"
windows=$(xdotool search --name '^Tavlo$' | wc -l)
[ "$windows" -eq 1 ] || fail "the second instance opened a window"

xdotool key Escape
wait_for_exit "$pid" 30 || fail "Escape did not end the program"
wait "$pid" || fail "the program ended with an error"
pid=

[ -f "$(option_file)" ] || fail "no option file for the profile Tavlo"
lines=$(wc -l <"$(option_file)")
[ "$lines" -eq 141 ] || fail "the option file has $lines lines, not 141"
[ "$(head -c 200 "$home/Documents/Tavlo/profile.txt" | tr -d '\r\n')" = "Tavlo" ] ||
  fail "profile.txt does not name Tavlo"
echo "1 passed, 0 failed"
