#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Tavlo needs.
# Safe to run again: it asks apt only for what is missing and refreshes the package
# lists only when something has to be installed.
set -euo pipefail

packages=(
  # Build
  build-essential cmake ninja-build pkg-config clang
  # Rebuilds of a second checkout reuse the first one's objects
  ccache
  # Window, input, pictures, sound, text
  libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev libsdl2-ttf-dev libfontconfig-dev libfreetype-dev
  fonts-liberation fonts-dejavu-core
  # The General MIDI sound font SDL2_mixer's MIDI player (FluidSynth) needs
  timgm6mb-soundfont
  # Dialogs
  libimgui-dev
  # Spoken scanning's generated speech of texts that have no recording
  libespeak-ng-dev
  # Word lists
  libsqlite3-dev libicu-dev
  # Printing the statistics, and the PDF of a page that could not be printed
  libcups2-dev zlib1g-dev
  # Tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # Running without a display, driving and photographing the real window
  xvfb xauth x11-utils xdotool imagemagick
  # The Debian package (CPack with dpkg-shlibdeps) and the checks of its
  # desktop entry, AppStream file and manual pages
  dpkg-dev fakeroot file desktop-file-utils appstream groff-base
)

source "$(dirname "$0")/install-packages.sh"
install_missing_packages "setup" "${packages[@]}"
