#!/usr/bin/env bash
# Checks what the build's include folders cannot: that no file of src/ includes
# a folder above its own, and that the system headers of SDL, SQLite, ICU,
# fontconfig, POSIX, CUPS, zlib and eSpeak NG are included only where their owner lives.
# Prints every offending line and fails when there is one.
set -euo pipefail
src=${1:-"$(dirname "$0")/../src"}
layers=(platform engine state wordlists profiles games screens app)

rank() {
  local i
  for i in "${!layers[@]}"; do
    if [ "${layers[$i]}" = "$1" ]; then echo "$i"; return; fi
  done
  echo -1
}

# A system header and the folders that may include it.
declare -A owners=(
  ['SDL']="platform" ['SDL2/']="platform" ['fontconfig/']="platform" ['ft2build.h']="platform" ['imgui_impl']="platform"
  ['imgui.h']="platform profiles" ['sqlite3.h']="wordlists" ['unicode/']="wordlists"
  ['unistd.h']="platform" ['fcntl.h']="platform" ['sys/']="platform" ['dirent.h']="platform"
  ['pthread.h']="platform" ['dlfcn.h']="platform" ['cups/']="platform" ['zlib.h']="platform"
  ['espeak-ng/']="platform"
)

failures=0
while IFS= read -r file; do
  folder=$(basename "$(dirname "$file")")
  own=$(rank "$folder")
  [ "$own" -ge 0 ] || continue
  while IFS= read -r line; do
    if [[ $line =~ ^#include\ \"([a-z]+)/ ]]; then
      other=$(rank "${BASH_REMATCH[1]}")
      if [ "$other" -gt "$own" ]; then
        echo "$file: $folder includes the higher folder ${BASH_REMATCH[1]}: $line"
        failures=$((failures + 1))
      fi
    elif [[ $line =~ ^#include\ \<([^>]+)\> ]]; then
      header=${BASH_REMATCH[1]}
      for prefix in "${!owners[@]}"; do
        if [[ $header == "$prefix"* ]] && [[ " ${owners[$prefix]} " != *" $folder "* ]]; then
          echo "$file: <$header> belongs to ${owners[$prefix]}, not $folder"
          failures=$((failures + 1))
        fi
      done
    fi
  done < <(grep -E '^#include' "$file")
done < <(find "$src" -mindepth 2 -name '*.h' -o -mindepth 2 -name '*.cpp')

if [ "$failures" -gt 0 ]; then
  echo "$failures include(s) break the layers"
  exit 1
fi
echo "layers: every include keeps to its layer"
