# The installed layout of a Linux desktop game: the program in bin/, its landmark module in
# lib/petara3/ (or the multiarch library folder), the shipped data and the help
# text in share/petara3/ (copied into each player's own folder at the first start), a menu entry,
# the icon in the hicolor theme and the AppStream metainfo.
include(GNUInstallDirs)

set(PETARA_APP_ID jp.example.petara3)
target_compile_definitions(petara3 PRIVATE PETARA_VERSION="${PROJECT_VERSION}")

install(TARGETS petara3 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS petara3_landmarks LIBRARY DESTINATION ${PETARA_MODULE_INSTALL_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/petara3/data)
install(FILES "${CMAKE_SOURCE_DIR}/作品について.txt" DESTINATION ${CMAKE_INSTALL_DATADIR}/petara3)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${PETARA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${PETARA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/petara3-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${PETARA_APP_ID}.png)
endforeach()

# Checks of the installed tree: the files a package must carry, and the desktop validators.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
add_test(NAME install.tree
         COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DPREFIX=${CMAKE_BINARY_DIR}/install-check
                 -DAPP_ID=${PETARA_APP_ID} -DDESKTOP_FILE_VALIDATE=${DESKTOP_FILE_VALIDATE}
                 -DAPPSTREAMCLI=${APPSTREAMCLI} -DPROGRAM=$<TARGET_FILE_NAME:petara3>
                 -DMODULE=${PETARA_MODULE_INSTALL_DIR}/$<TARGET_FILE_NAME:petara3_landmarks>
                 -P ${CMAKE_SOURCE_DIR}/cmake/CheckInstallTree.cmake)
set_tests_properties(install.tree PROPERTIES TIMEOUT 120 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
