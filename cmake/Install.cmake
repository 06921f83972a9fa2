# The installed layout of a Linux desktop game, in two parts (CMake components):
# - game: the program in games/, the shipped data and the help text in share/petara3/ (copied
#   into each player's own folder at the first start), a menu entry, the icons in the hicolor
#   theme, the AppStream metainfo, and the copyright and changelog in share/doc/petara3/;
# - outlines: the landmark module (dlib) in the library folder's petara3/, which face creation
#   opens when present, with its own copyright and changelog.
include(GNUInstallDirs)

set(PETARA_APP_ID jp.example.petara3)
target_compile_definitions(petara3 PRIVATE PETARA_VERSION="${PROJECT_VERSION}")

install(TARGETS petara3 RUNTIME DESTINATION ${PETARA_PROGRAM_INSTALL_DIR} COMPONENT game)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/petara3/data COMPONENT game)
install(FILES "${CMAKE_SOURCE_DIR}/作品について.txt" DESTINATION ${CMAKE_INSTALL_DATADIR}/petara3 COMPONENT game)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${PETARA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT game)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${PETARA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT game)
set(PETARA_ICON_SIZES 16 22 24 32 48 64 128 256)
foreach(size ${PETARA_ICON_SIZES})
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/petara3-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${PETARA_APP_ID}.png
          COMPONENT game)
endforeach()

# The manual page, compressed as Debian keeps it.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/petara3.6.gz
  COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/packaging/petara3.6 > ${CMAKE_BINARY_DIR}/petara3.6.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/petara3.6 VERBATIM)
add_custom_target(manual_page ALL DEPENDS ${CMAKE_BINARY_DIR}/petara3.6.gz)
install(FILES ${CMAKE_BINARY_DIR}/petara3.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT game)

install(TARGETS petara3_landmarks LIBRARY DESTINATION ${PETARA_MODULE_INSTALL_DIR} COMPONENT outlines)

# Each package's copyright and changelog (compressed, as Debian keeps them).
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
  COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/packaging/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog VERBATIM)
add_custom_target(package_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
foreach(component_package game:petara3 outlines:petara3-outlines)
  string(REPLACE ":" ";" pair ${component_package})
  list(GET pair 0 component)
  list(GET pair 1 package)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endforeach()

# Checks of the installed tree: the files a package must carry, and the desktop validators.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(PETARA_TESTS)
  add_test(NAME install.tree
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DPREFIX=${CMAKE_BINARY_DIR}/install-check
                   -DAPP_ID=${PETARA_APP_ID} -DDESKTOP_FILE_VALIDATE=${DESKTOP_FILE_VALIDATE}
                   -DAPPSTREAMCLI=${APPSTREAMCLI} -DPROGRAM=${PETARA_PROGRAM_INSTALL_DIR}/$<TARGET_FILE_NAME:petara3>
                   -DMODULE=${PETARA_MODULE_INSTALL_DIR}/$<TARGET_FILE_NAME:petara3_landmarks>
                   "-DICON_SIZES=${PETARA_ICON_SIZES}"
                   -P ${CMAKE_SOURCE_DIR}/cmake/CheckInstallTree.cmake)
  set_tests_properties(install.tree PROPERTIES TIMEOUT 120 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
