#!/usr/bin/env bash
# Installs the Debian packages that the asset generator needs. Building and running Tavlo
# need none of them: the generated pictures and sounds are committed under resources/.
set -euo pipefail

packages=(
  python3 python3-pil          # drawing and writing the pictures
  fonts-noto-color-emoji       # the artwork of the figures (SIL Open Font License 1.1)
  fonts-liberation             # the lettering drawn into pictures
  espeak-ng                    # the spoken words of the program-folder sounds
  sox                          # clicks, chimes, the menu music, level normalising
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "generator tools: all ${#packages[@]} packages are installed"
  exit 0
fi

echo "generator tools: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
