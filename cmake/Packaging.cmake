# The Debian package, built by `make package` (cpack in build/release):
# hueriddle_<version>_<arch>.deb, installing under /usr. Its dependencies on
# the Qt 6 and C++ runtime libraries come from dpkg-shlibdeps, which reads them
# off the installed program.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hueriddle)
set(CPACK_PACKAGE_VENDOR "The Hueriddle developers")
set(CPACK_PACKAGE_CONTACT "The Hueriddle developers <developers@hueriddle.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Hueriddle hides a secret row of four colors drawn from six. Drag colors from\n"
    "the palette onto the active row of the eight-row board and commit the guess:\n"
    "black key pegs count the right colors in the right places, white key pegs the\n"
    "right colors in the wrong places. Play with or without repeated colors, or let\n"
    "the computer make a move that agrees with every score so far.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libqt6gui6 only recommends the platform plugins, and without them the game
# cannot open a window, so they are a hard dependency. Native Wayland support
# is welcome but XWayland runs the game too.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
