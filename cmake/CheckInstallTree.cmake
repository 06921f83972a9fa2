# Installs the build into a temporary prefix and checks the tree a package carries: the program
# and its landmark module, the shipped data, the menu entry, the icons and the metainfo (both
# validated), and that the installed program answers --version and fills a player's folder at
# its first start.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
  ${PROGRAM}
  ${MODULE}
  share/doc/petara3/copyright
  share/doc/petara3/changelog.gz
  share/doc/petara3-outlines/copyright
  share/petara3/data/facedata.ini
  share/petara3/data/face0_0.jpg
  share/petara3/data/tomei.cur
  share/petara3/data/tema84.mid
  "share/petara3/作品について.txt"
  share/applications/${APP_ID}.desktop
  share/metainfo/${APP_ID}.metainfo.xml)
foreach(relative IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${relative})
    message(FATAL_ERROR "missing from the installed tree: ${relative}")
  endif()
endforeach()
get_filename_component(program_dir ${PREFIX}/${PROGRAM} DIRECTORY)
if(EXISTS ${program_dir}/data)
  message(FATAL_ERROR "${program_dir}/data would make the installed program run in place")
endif()

# A PNG's width and height are the big-endian words at bytes 16 and 20.
foreach(size ${ICON_SIZES})
  set(icon ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  if(NOT EXISTS ${icon})
    message(FATAL_ERROR "missing icon: ${icon}")
  endif()
  file(READ ${icon} header OFFSET 16 LIMIT 8 HEX)
  math(EXPR expected_hex "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING ${expected_hex} 2 -1 digits)
  string(LENGTH ${digits} length)
  math(EXPR padding "8 - ${length}")
  string(REPEAT 0 ${padding} zeros)
  set(word ${zeros}${digits})
  if(NOT header STREQUAL "${word}${word}")
    message(FATAL_ERROR "icon ${icon} is not ${size}x${size} (header ${header})")
  endif()
endforeach()

foreach(check
    "${DESKTOP_FILE_VALIDATE};${PREFIX}/share/applications/${APP_ID}.desktop"
    "${APPSTREAMCLI};validate;--no-net;${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml")
  list(GET check 0 tool)
  if(NOT tool)
    message(FATAL_ERROR "validator missing (desktop-file-utils, appstream): ${check}")
  endif()
  execute_process(COMMAND ${check} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${check} failed:\n${out}")
  endif()
endforeach()

execute_process(COMMAND ${PREFIX}/${PROGRAM} --version RESULT_VARIABLE result OUTPUT_VARIABLE out)
if(NOT result EQUAL 0 OR NOT out MATCHES "petara3 [0-9]+\\.[0-9]+")
  message(FATAL_ERROR "--version answered ${result}: ${out}")
endif()

# The first start fills the player's folder before the window opens; the game then runs until stopped.
set(home ${PREFIX}/home)
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${home} PETARA_AUDIO_DRIVER=file
                        QT_QPA_PLATFORM=offscreen ${PREFIX}/${PROGRAM}
                TIMEOUT 8 RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
file(GLOB_RECURSE shipped RELATIVE ${PREFIX}/share/petara3 ${PREFIX}/share/petara3/*)
foreach(relative IN LISTS shipped)
  if(NOT EXISTS ${home}/petara3/${relative})
    message(FATAL_ERROR "the first start did not copy ${relative} into ${home}/petara3 (${result})")
  endif()
endforeach()
if(NOT IS_DIRECTORY ${home}/petara3/Library)
  message(FATAL_ERROR "the first start made no works folder")
endif()
# A home folder that cannot take the files: the game says so in Japanese before its error box.
file(WRITE ${PREFIX}/not-a-folder "")
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${PREFIX}/not-a-folder/share PETARA_AUDIO_DRIVER=file
                        QT_QPA_PLATFORM=offscreen ${PREFIX}/${PROGRAM}
                TIMEOUT 8 RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT err MATCHES "を作れませんでした")
  message(FATAL_ERROR "no clear message for a home folder that cannot be written (${result}): ${err}")
endif()
file(REMOVE_RECURSE ${PREFIX})
