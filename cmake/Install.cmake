# Installs Tavlo as a desktop program: the executables, the read-only program
# folder, the desktop entry with its icons, the AppStream description, the
# manual pages and the licences; and builds the Debian package from that
# (cmake --workflow --preset package, or cpack -G DEB in the build folder).
# Where the files go is set in InstallDirs.cmake; the files themselves are in
# packaging/.

# What names the program to desktops and software centres. The desktop entry,
# the icons and the AppStream file are named after the id.
set(TAVLO_APP_ID org.tavlo.Tavlo CACHE STRING "Reverse-DNS id of the desktop program")
set(TAVLO_HOMEPAGE https://tavlo.org CACHE STRING "Tavlo's web address, without a final /")
set(TAVLO_MAINTAINER "Tavlo maintainers <maintainers@users.noreply.c-seed-4cdaec33.example>"
    CACHE STRING "Who answers for the package")
# The release the AppStream file announces: change it with the version above.
set(TAVLO_RELEASE_DATE 2026-12-08)
# The screenshots in packaging/screenshots/ are published there.
set(TAVLO_SCREENSHOTS_URL ${TAVLO_HOMEPAGE}/screenshots)

set(TAVLO_PACKAGING_SOURCE ${PROJECT_SOURCE_DIR}/packaging)
set(TAVLO_PACKAGING_BINARY ${PROJECT_BINARY_DIR}/packaging)
set(TAVLO_DESKTOP_FILE ${TAVLO_PACKAGING_BINARY}/${TAVLO_APP_ID}.desktop)
set(TAVLO_METAINFO_FILE ${TAVLO_PACKAGING_BINARY}/${TAVLO_APP_ID}.metainfo.xml)
configure_file(${TAVLO_PACKAGING_SOURCE}/tavlo.desktop.in ${TAVLO_DESKTOP_FILE} @ONLY)
configure_file(${TAVLO_PACKAGING_SOURCE}/tavlo.metainfo.xml.in ${TAVLO_METAINFO_FILE} @ONLY)
configure_file(${TAVLO_PACKAGING_SOURCE}/copyright.in ${TAVLO_PACKAGING_BINARY}/copyright @ONLY)

install(TARGETS tavlo tavlo-stats tavlo-wordlist RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The program folder, as the build stages it in build/program: the resources,
# an empty profiles folder for the default data (git keeps no empty folders)
# and the default word lists, which tools/wordlist/ installs where it builds
# them.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/ DESTINATION ${TAVLO_INSTALL_PROGRAM_DIR})
install(DIRECTORY DESTINATION ${TAVLO_INSTALL_PROGRAM_DIR}/data/profiles)

install(FILES ${TAVLO_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TAVLO_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 22 24 32 48 64 128 256 512)
  install(FILES ${TAVLO_PACKAGING_SOURCE}/icons/tavlo-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${TAVLO_APP_ID}.png)
endforeach()
install(FILES ${TAVLO_PACKAGING_SOURCE}/icons/tavlo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${TAVLO_APP_ID}.svg)

# Manual pages, compressed as Debian keeps them.
set(TAVLO_MAN_PAGES)
foreach(page tavlo tavlo-stats tavlo-wordlist)
  set(page_file ${TAVLO_PACKAGING_BINARY}/man/${page}.1)
  configure_file(${TAVLO_PACKAGING_SOURCE}/man/${page}.1.in ${page_file} @ONLY)
  add_custom_command(
    OUTPUT ${page_file}.gz
    COMMAND gzip -9 -n -f -k ${page_file}
    DEPENDS ${page_file}
    COMMENT "Compressing the manual page ${page}(1)"
    VERBATIM)
  list(APPEND TAVLO_MAN_PAGES ${page_file})
endforeach()
list(TRANSFORM TAVLO_MAN_PAGES APPEND .gz OUTPUT_VARIABLE TAVLO_COMPRESSED_MAN_PAGES)
add_custom_target(man_pages ALL DEPENDS ${TAVLO_COMPRESSED_MAN_PAGES})
install(FILES ${TAVLO_COMPRESSED_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The licences, where Debian keeps them: share/doc/<package>/copyright.
install(FILES ${TAVLO_PACKAGING_BINARY}/copyright
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tavlo)

include(cmake/Package.cmake)

if(TAVLO_BUILD_TESTS)
  add_test(NAME packaging.DesktopEntry COMMAND desktop-file-validate ${TAVLO_DESKTOP_FILE})
  add_test(NAME packaging.AppStream COMMAND appstreamcli validate --no-net ${TAVLO_METAINFO_FILE})
  add_test(NAME packaging.ManualPages
           COMMAND bash ${TAVLO_PACKAGING_SOURCE}/tests/manual_pages_test.sh
                   $<TARGET_FILE:tavlo-wordlist> ${TAVLO_MAN_PAGES})
  # Builds the package, unpacks it into a throw-away root and runs the
  # program from there: as its own end-to-end test, one at a time.
  add_test(NAME packaging.InstalledPackage
           COMMAND bash ${TAVLO_PACKAGING_SOURCE}/tests/installed_package_test.sh
                   ${PROJECT_BINARY_DIR} ${PROJECT_BINARY_DIR}/e2e-output/package)
  set_tests_properties(packaging.InstalledPackage PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE
                       LABELS e2e ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
endif()
