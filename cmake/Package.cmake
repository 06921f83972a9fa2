# make package: two Debian packages of the installed layout, one per install component.
# - petara3, the game. dpkg-shlibdeps finds the libraries the program links (Qt 6,
#   libjpeg-turbo, libwebp); what it only opens at run time is listed by name.
# - petara3-outlines, the automatic outlines: the landmark module, which links dlib and its
#   numeric libraries, and the shape model it reads. petara3 recommends it, so that
#   `--no-install-recommends` leaves out dlib and its 100 MB model.
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL game outlines)
set(CPACK_PACKAGE_NAME petara3)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Petara 3 developers")
set(CPACK_PACKAGE_CONTACT "The Petara 3 developers <petara3@example.jp>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_DEBIAN_GAME_PACKAGE_NAME petara3)
# CPack indents each line of a description and writes an empty line as the paragraph mark.
set(CPACK_COMPONENT_GAME_DESCRIPTION "fukuwarai party game on faces made from photographs
Pick a face made from a photograph, then drag its eyes, nose and mouth onto
the blank outline, first in sight and then blindfolded, guided or misled by
the computer's hints. Unveil the face, read the score out of 300 and keep
the result as a picture. New faces are made from any photograph.

The whole game is in Japanese.")
# The window-system plugins, FluidSynth, the SoundFont, the game's font and Qt's Japanese texts
# are opened by name at run time, never linked, so the library scan cannot see them.
set(CPACK_DEBIAN_GAME_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libfluidsynth3, timgm6mb-soundfont, fonts-ipafont-gothic, qt6-translations-l10n")
set(CPACK_DEBIAN_GAME_PACKAGE_RECOMMENDS "petara3-outlines")
# The game runs through XWayland on a Wayland desktop; the native plugin is there for those who ask.
set(CPACK_DEBIAN_GAME_PACKAGE_SUGGESTS "qt6-wayland")

set(CPACK_DEBIAN_OUTLINES_PACKAGE_NAME petara3-outlines)
set(CPACK_COMPONENT_OUTLINES_DESCRIPTION "automatic face outlines for the petara3 fukuwarai game
When a new face is made from a photograph, the button 「自動」 finds the
face and outlines its eyes, nose and mouth in one press, with the facial
landmark model of dlib.

The game runs without this package; the parts are then outlined by hand.")
set(CPACK_DEBIAN_OUTLINES_PACKAGE_DEPENDS "petara3 (= ${PROJECT_VERSION}), libdlib-data")
include(CPack)
