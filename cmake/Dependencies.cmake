# Every library comes from the Debian archive (tools/setup.sh installs them).
find_package(PkgConfig REQUIRED)
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
pkg_check_modules(SDL2_IMAGE REQUIRED IMPORTED_TARGET SDL2_image)
pkg_check_modules(SDL2_MIXER REQUIRED IMPORTED_TARGET SDL2_mixer)
pkg_check_modules(SDL2_TTF REQUIRED IMPORTED_TARGET SDL2_ttf)
pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)
pkg_check_modules(IMGUI REQUIRED IMPORTED_TARGET imgui)
pkg_check_modules(SQLITE3 REQUIRED IMPORTED_TARGET sqlite3)
pkg_check_modules(ICU REQUIRED IMPORTED_TARGET icu-uc icu-i18n)
# Spoken scanning's generated speech of texts that have no recording.
pkg_check_modules(ESPEAK_NG REQUIRED IMPORTED_TARGET espeak-ng)
find_package(Threads REQUIRED)
# Printing (Debian's libcups2-dev has no pkg-config file) and the compression
# of the printed page's PDF.
find_package(Cups REQUIRED)
find_package(ZLIB REQUIRED)
