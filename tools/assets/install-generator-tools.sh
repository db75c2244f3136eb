#!/usr/bin/env bash
# Installs the Debian packages that the asset generator needs. Building and running Tavlo
# need none of them: the generated pictures and sounds are committed under resources/.
set -euo pipefail

packages=(
  python3 python3-pil          # drawing and writing the pictures
  fonts-noto-color-emoji       # the artwork of the figures (SIL Open Font License 1.1)
  fonts-liberation             # the lettering drawn into pictures (1.07: GPL 2 with the font exception)
  espeak-ng                    # the spoken words of the program-folder sounds
  sox                          # clicks, chimes, the menu music, level normalising
  librsvg2-bin                 # rsvg-convert: the desktop icon's PNG sizes from its SVG
)

source "$(dirname "$0")/../install-packages.sh"
install_missing_packages "generator tools" "${packages[@]}"
