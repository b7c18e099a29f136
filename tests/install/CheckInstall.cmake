# Installs the build into a private staging directory with DESTDIR, as a
# package build does, and checks what a desktop needs from the installed tree:
# a launcher entry and AppStream metadata that their validators accept, icons
# the entry names in the hicolor theme, a 48x48 PNG and the program the entry
# starts.
#
# Variables (all required): BUILD_DIR, STAGE_DIR, BINDIR, DATADIR, APP_ID,
# EXPECT_PROGRAM (true when the build has the hueriddle target),
# DESKTOP_FILE_VALIDATE, APPSTREAMCLI, FILE_COMMAND.

foreach(variable BUILD_DIR STAGE_DIR BINDIR DATADIR APP_ID DESKTOP_FILE_VALIDATE APPSTREAMCLI
                 FILE_COMMAND)
    if("${${variable}}" STREQUAL "" OR "${${variable}}" MATCHES "-NOTFOUND$")
        message(FATAL_ERROR "${variable} is not set or its program was not found "
                            "(scripts/install-deps.sh installs the tools)")
    endif()
endforeach()

set(prefix /usr)
file(REMOVE_RECURSE "${STAGE_DIR}")
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE_DIR}
            ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()

set(root "${STAGE_DIR}${prefix}")
set(desktop "${root}/${DATADIR}/applications/${APP_ID}.desktop")
set(metainfo "${root}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml")
set(svg "${root}/${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg")
set(png "${root}/${DATADIR}/icons/hicolor/48x48/apps/${APP_ID}.png")
set(copyright "${root}/${DATADIR}/doc/hueriddle/copyright")
set(program "${root}/${BINDIR}/hueriddle")

set(failures "")
macro(fail text)
    string(APPEND failures "\n  ${text}")
endmacro()

foreach(installed desktop metainfo svg png copyright)
    if(NOT EXISTS "${${installed}}")
        fail("not installed: ${${installed}}")
    endif()
endforeach()
if(EXPECT_PROGRAM AND NOT EXISTS "${program}")
    fail("the program is not installed at ${program}")
endif()
if(failures)
    message(FATAL_ERROR "The installed tree is incomplete:${failures}")
endif()

# desktop-file-validate exits 0 on warnings and hints; any output is a finding.
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} "${desktop}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT output STREQUAL "")
    fail("desktop-file-validate (${result}): ${output}")
endif()

execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --strict "${metainfo}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message(STATUS "appstreamcli validate: ${output}")
if(NOT result EQUAL 0)
    fail("appstreamcli validate (${result}): ${output}")
endif()

# validate-tree also checks that the metadata's launchable desktop entry is
# installed beside it.
execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net --strict "${STAGE_DIR}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message(STATUS "appstreamcli validate-tree: ${output}")
if(NOT result EQUAL 0)
    fail("appstreamcli validate-tree (${result}): ${output}")
endif()

# The entry must start the installed program and name the installed icons.
file(STRINGS "${desktop}" exec_lines REGEX "^Exec=")
if(NOT exec_lines STREQUAL "Exec=hueriddle")
    fail("the desktop entry's Exec line is '${exec_lines}', not 'Exec=hueriddle'")
endif()
file(STRINGS "${desktop}" icon_lines REGEX "^Icon=")
if(NOT icon_lines STREQUAL "Icon=${APP_ID}")
    fail("the desktop entry's Icon line is '${icon_lines}', not 'Icon=${APP_ID}'")
endif()
file(READ "${metainfo}" metainfo_text)
if(NOT metainfo_text MATCHES "<launchable type=\"desktop-id\">${APP_ID}\\.desktop</launchable>")
    fail("the metadata does not launch ${APP_ID}.desktop")
endif()

# PNG: the signature, then the IHDR chunk with width and height as 32-bit
# big-endian numbers at bytes 16 and 20.
file(READ "${png}" header LIMIT 24 HEX)
string(SUBSTRING "${header}" 0 16 signature)
string(SUBSTRING "${header}" 24 8 chunk)
string(SUBSTRING "${header}" 32 8 width)
string(SUBSTRING "${header}" 40 8 height)
if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT chunk STREQUAL "49484452")
    fail("${png} is not a PNG file (header ${header})")
elseif(NOT width STREQUAL "00000030" OR NOT height STREQUAL "00000030")
    fail("${png} is 0x${width} by 0x${height} pixels, not 48x48")
endif()

execute_process(COMMAND ${FILE_COMMAND} --brief --mime-type "${svg}"
    OUTPUT_VARIABLE svg_type OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT svg_type STREQUAL "image/svg+xml")
    fail("${svg} is ${svg_type}, not image/svg+xml")
endif()

if(failures)
    message(FATAL_ERROR "Installed files rejected:${failures}")
endif()
message(STATUS "Installed tree in ${STAGE_DIR} validated")
