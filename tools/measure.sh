#!/usr/bin/env bash
# Measures first frame, resident memory and idle CPU of Tavlo, or of any other
# command given after "--", under a private Xvfb, so that anyone can repeat the
# figures and set them beside another program's. Not part of the test run.
#
#   tools/measure.sh                          # Tavlo in a window, menu after its title
#   tools/measure.sh --keys "Return a"        # ... then Game 1 (A opens it)
#   tools/measure.sh --screen 1920x1080 --busy 3 -- build/program/tavlo
#                                             # full screen: CPU share of the title animation
#   tools/measure.sh -- tuxpaint --windowed --nosound --nolockfile
#                                             # (Tux Paint refuses a start soon after the last one
#                                             # without --nolockfile)
#
# Options (before "--"): --runs N (3), --warm-up N (1, not reported), --screen WxH
# (1024x768), --keys "KEY ..." (xdotool names, one a second from 1 s after the first
# frame; Tavlo's default "Return" skips its title), --busy S (CPU share over S
# seconds from 1.5 s after the first frame), --rss-at S (8), --idle-from S (12),
# --idle S (10), --smaps (the largest mappings at the memory reading), --shot FILE
# (a screenshot at the end of the last run, to see what was measured).
# Every run gets the same throw-away home folder; Tavlo's data folder is made
# there beforehand, as after its first start.
set -euo pipefail
cd "$(dirname "$0")/.."
screen=1024x768
options=()
keys_given=false
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
  case $1 in
    --screen) screen=$2; shift 2 ;;
    --keys) keys_given=true; options+=("$1" "$2"); shift 2 ;;
    --smaps) options+=("$1"); shift ;;
    *) options+=("$1" "$2"); shift 2 ;;
  esac
done
[ "${1:-}" = "--" ] && shift
if [ $# -eq 0 ]; then
  tools/build.sh >/dev/null
  set -- build/program/tavlo window
  $keys_given || options+=(--keys Return)
fi

source tools/xvfb.sh
# A black root window, so that only a drawn picture counts as the first frame.
start_xvfb "${screen}x24" -br
trap stop_xvfb EXIT
/usr/bin/python3 tools/measure.py "${options[@]}" -- "$@"
