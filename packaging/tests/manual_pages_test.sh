#!/usr/bin/env bash
# The manual pages format without a single warning, and the page of
# tavlo-wordlist describes every command that the tool's own help lists, so a
# new command cannot go undocumented.
set -euo pipefail
tool=$1
shift
fail() { echo "FAIL: $*" >&2; exit 1; }

for page in "$@"; do
  warnings=$(LC_ALL=C.UTF-8 groff -man -ww -z -Tutf8 "$page" 2>&1)
  [ -z "$warnings" ] || fail "$(basename "$page") has formatting warnings:"$'\n'"$warnings"
  wordlist_page=$page
done
[ "$(basename "$wordlist_page")" = "tavlo-wordlist.1" ] || fail "the last page is not tavlo-wordlist.1"

commands=$("$tool" --help | sed -n 's/^  \([a-z][a-z]*\)[ ,].*/\1/p')
[ "$(wc -w <<<"$commands")" -ge 5 ] || fail "the tool's help lists only: $commands"
for command in $commands; do
  grep -qx "\.B $command" "$wordlist_page" || fail "tavlo-wordlist.1 does not describe '$command'"
done
echo "1 passed, 0 failed"
