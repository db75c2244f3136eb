# The Debian package, made by CPack from the install rules of Install.cmake.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavlo)
set(CPACK_PACKAGE_VENDOR "The Tavlo developers")
set(CPACK_PACKAGE_CONTACT ${TAVLO_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Stripped of their debugging information the executables are over ten times smaller.
set(CPACK_STRIP_FILES ON)
# The package lands in the build folder as tavlo_<version>_<architecture>.deb.
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TAVLO_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TAVLO_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "reading games for children, played with a mouse, keys or switches
Tavlo is a program for children who are learning to read. Fifteen small
games work with words, pictures, sentences and their sounds: choosing the
little word that goes before a word, completing sentences with pictures,
answering yes-or-no questions, painting a picture in the colour it names,
a picture crossword, steering an animal to the words in order, and more.

Every screen works with the mouse, with the keyboard, or with one or two
switches (scanning). Each child has a profile with its own options and
answer counts; teachers change and add word lists with tavlo-wordlist and
take every player's answers into a spreadsheet with tavlo-stats.")
# The libraries come from the executables' links. The program asks
# fontconfig for Arial, which the Liberation fonts stand in for with the
# same widths, so that the screens look as they were laid out.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libcups2 is opened only when a page is printed, SDL2_mixer when the first
# sound plays, eSpeak NG when a text is first spoken and ICU when a word list
# is first sorted, so the linker does not see them.
string(REGEX MATCH "^[0-9]+" TAVLO_ICU_MAJOR "${ICU_icu-uc_VERSION}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation | fonts-liberation2, libcups2, libsdl2-mixer-2.0-0, libespeak-ng1, libicu${TAVLO_ICU_MAJOR}")
# The General MIDI sound font plays MIDI files that word lists may name.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "timgm6mb-soundfont | fluid-soundfont-gm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
