# make package: a Debian package of the installed layout. dpkg-shlibdeps finds the libraries the
# program links (Qt 6, libjpeg-turbo, FluidSynth); what it only opens at run time is listed here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME petara3)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Petara 3 developers")
set(CPACK_PACKAGE_CONTACT "The Petara 3 developers <petara3@example.jp>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fukuwarai party game on faces made from photographs")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "fukuwarai party game on faces made from photographs
 Pick a face made from a photograph, then drag its eyes, nose and mouth onto
 the blank outline, first in sight and then blindfolded, guided or misled by
 the computer's hints. The whole game is in Japanese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window-system plugins, FluidSynth, the SoundFont and the game's font are loaded by name at
# run time, never linked, so the library scan cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libfluidsynth3, timgm6mb-soundfont, fonts-ipafont-gothic")
# The shape model behind the automatic outlines; without it the button is not offered.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, libdlib-data")
include(CPack)
