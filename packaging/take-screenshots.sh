#!/usr/bin/env bash
# Takes the screenshots that the AppStream file shows (packaging/screenshots/)
# from the real program of the build tree, in a window under a private Xvfb
# with a throw-away home, as the end-to-end tests run it: the main menu and
# Game 1. Build first (tools/build.sh); the pictures are committed and
# published with the web page that TAVLO_HOMEPAGE names.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$PWD/build/program/tavlo
[ -x "$program" ] || { echo "Build the program first: bash tools/build.sh" >&2; exit 1; }
shots=$PWD/packaging/screenshots
source tests/e2e/e2e.sh

begin_e2e
start_program window
press Return 1.5   # yes, make the data folder
press Return 1.5   # skip the title
import -window "$window" "$shots/main-menu.png"
press a 3          # Game 1
import -window "$window" "$shots/game01.png"
press Escape 1.5
press Escape
wait_for_exit "$pid" 30 || fail "the program did not end"
pid=
# Smaller files, same pixels.
for shot in "$shots"/*.png; do
  convert "$shot" -strip -define png:compression-level=9 "$shot"
done
ls -l "$shots"
