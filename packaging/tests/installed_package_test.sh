#!/usr/bin/env bash
# The Debian package as a user gets it: made by CPack from this build,
# unpacked with dpkg into a throw-away root, and the program started from
# there under Xvfb with a throw-away home. It must find its program folder
# beside its own bin/ folder, make the data folder on the first start, show
# the main menu and Game 1, end in order, and leave the unpacked files (and the
# folder it was started from) exactly as they were.
set -euo pipefail
build=$1
output=$2
mkdir -p "$output"
source "$(dirname "$0")/../../tests/e2e/e2e.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack could not make the package"; }
debs=("$work"/cpack/tavlo_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no tavlo_*.deb"
deb=${debs[0]}

# The libraries come from the executables; the fonts are named by hand.
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libsqlite3-0 libespeak-ng1 libc6 fonts-liberation; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
# Nothing in the package may be writable by anyone but root.
loose=$(dpkg-deb -c "$deb" | awk '$1 ~ /^.....w|^........w/' || true)
[ -z "$loose" ] || fail "group- or world-writable entries:"$'\n'"$loose"

root="$work/root"
dpkg -x "$deb" "$root"
for file in usr/bin/tavlo usr/bin/tavlo-wordlist usr/bin/tavlo-stats usr/share/tavlo/paths.txt \
  usr/share/tavlo/lang/lang.txt usr/share/tavlo/data/db/eng.sqlite usr/share/doc/tavlo/copyright \
  usr/share/man/man1/tavlo.1.gz usr/share/man/man1/tavlo-wordlist.1.gz \
  usr/share/man/man1/tavlo-stats.1.gz; do
  [ -f "$root/$file" ] || fail "the package has no $file"
done
[ -d "$root/usr/share/tavlo/data/profiles" ] || fail "the default data has no profiles folder"
desktop=("$root"/usr/share/applications/*.desktop)
id=$(basename "${desktop[0]}" .desktop)
for file in "usr/share/metainfo/$id.metainfo.xml" "usr/share/icons/hicolor/48x48/apps/$id.png" \
  "usr/share/icons/hicolor/scalable/apps/$id.svg"; do
  [ -f "$root/$file" ] || fail "the package has no $file"
done
# The installed desktop data as a software centre reads it: the AppStream
# file, its desktop entry and its icon belong together.
appstreamcli validate-tree --no-net "$root" >"$work/validate.log" 2>&1 ||
  { cat "$work/validate.log" >&2; fail "appstreamcli validate-tree found problems"; }

snapshot() { (cd "$root" && find . -printf '%p %M %s %T@\n' | sort); }
snapshot >"$work/before.txt"

begin_e2e
trap 'end_e2e; rm -rf "$work"' EXIT
mkdir "$work/started-from"
cd "$work/started-from"
program="$root/usr/bin/tavlo"
start_program window
press Return 1.5   # yes, make the data folder
data="$home/Documents/Tavlo"
[ -f "$data/db/eng.sqlite" ] || fail "the data folder was not filled from the installed default data"
press Return 1     # skip the title
import -window root "$output/main-menu.png"
colours=$(convert "$output/main-menu.png" -format %k info:)
[ "$colours" -gt 1000 ] || fail "the main menu shows only $colours colours"
press a 3          # Game 1
import -window root "$output/game01.png"
colours=$(convert "$output/game01.png" -format %k info:)
[ "$colours" -gt 1000 ] || fail "Game 1 shows only $colours colours"
press Escape 1.5   # back to the menu
press Escape       # and the end
wait_for_exit "$pid" 30 || fail "Escape did not end the program"
wait "$pid" || fail "the program ended with an error"
pid=
[ -f "$data/profiles/Tavlo" ] || fail "no option file was saved"

snapshot >"$work/after.txt"
changes=$(diff "$work/before.txt" "$work/after.txt" || true)
[ -z "$changes" ] || fail "the program changed its installed files:"$'\n'"$changes"
[ -z "$(ls -A "$work/started-from")" ] || fail "the program wrote into the folder it was started from"

# The installed word-list tool finds the installed program folder too.
"$root/usr/bin/tavlo-wordlist" check "$data" || fail "tavlo-wordlist check of the new data folder failed"
# The installed statistics tool names the games from the installed program folder.
"$root/usr/bin/tavlo-stats" "$data" | grep -q "^Tavlo,2,Picture sentences,0,0" ||
  fail "tavlo-stats did not write the saved player with the installed game names"
echo "1 passed, 0 failed"
