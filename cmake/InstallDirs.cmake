# Where an installed Tavlo keeps its files, in the GNU install directories: the
# executables in bin/, the read-only program folder in share/tavlo/. The
# program finds its program folder relative to its own executable, so the
# compiled-in path is the relative one and a package unpacked under any prefix
# runs as it is.
include(GNUInstallDirs)

set(TAVLO_INSTALL_PROGRAM_DIR ${CMAKE_INSTALL_DATADIR}/tavlo)
set(TAVLO_INSTALL_FULL_PROGRAM_DIR ${CMAKE_INSTALL_FULL_DATADIR}/tavlo)
file(RELATIVE_PATH TAVLO_INSTALLED_PROGRAM_FOLDER
     ${CMAKE_INSTALL_FULL_BINDIR} ${TAVLO_INSTALL_FULL_PROGRAM_DIR})
# Only the program-folder lookup reads it; a definition for every folder keeps
# it independent of how src/ is split into libraries.
add_compile_definitions(TAVLO_INSTALLED_PROGRAM_FOLDER="${TAVLO_INSTALLED_PROGRAM_FOLDER}")

# Folders that the installation makes itself get these permissions rather than
# the umask's, so that the package's folders are 0755 wherever it is built.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
