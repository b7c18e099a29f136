# Installs the build into a private staging directory with DESTDIR, as a
# package build does, and checks what a desktop needs from the installed tree:
# a launcher entry and AppStream metadata that their validators accept (the
# metadata's release being the project's version), icons the entry names in the
# hicolor theme at every size a software centre asks for, the manual page in
# English and in each translated language (which man formats without a
# warning), the translations and the program the entry starts.
#
# Variables (all required): BUILD_DIR, STAGE_DIR, BINDIR, DATADIR, MANDIR,
# APP_ID, VERSION, LANGUAGES and MANUAL_LANGUAGES (lists, comma-separated),
# EXPECT_PROGRAM (true when the build has the hueriddle target),
# DESKTOP_FILE_VALIDATE, APPSTREAMCLI, FILE_COMMAND, MAN_COMMAND.

foreach(variable BUILD_DIR STAGE_DIR BINDIR DATADIR MANDIR APP_ID VERSION LANGUAGES
                 MANUAL_LANGUAGES DESKTOP_FILE_VALIDATE APPSTREAMCLI FILE_COMMAND MAN_COMMAND)
    if("${${variable}}" STREQUAL "" OR "${${variable}}" MATCHES "-NOTFOUND$")
        message(FATAL_ERROR "${variable} is not set or its program was not found "
                            "(scripts/install-deps.sh installs the tools)")
    endif()
endforeach()

string(REPLACE "," ";" LANGUAGES "${LANGUAGES}")
string(REPLACE "," ";" MANUAL_LANGUAGES "${MANUAL_LANGUAGES}")

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
set(copyright "${root}/${DATADIR}/doc/hueriddle/copyright")
set(manual "${root}/${MANDIR}/man6/hueriddle.6")
set(manuals "${manual}")
foreach(language IN LISTS MANUAL_LANGUAGES)
    list(APPEND manuals "${root}/${MANDIR}/${language}/man6/hueriddle.6")
endforeach()
set(program "${root}/${BINDIR}/hueriddle")
set(icon_sizes 16 22 24 32 48 64 128 256)

set(failures "")
macro(fail text)
    string(APPEND failures "\n  ${text}")
endmacro()

set(installed_files "${desktop}" "${metainfo}" "${svg}" "${copyright}" ${manuals})
foreach(size IN LISTS icon_sizes)
    list(APPEND installed_files "${root}/${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
endforeach()
foreach(language IN LISTS LANGUAGES)
    list(APPEND installed_files "${root}/${DATADIR}/hueriddle/translations/hueriddle_${language}.qm")
endforeach()
foreach(installed IN LISTS installed_files)
    if(NOT EXISTS "${installed}")
        fail("not installed: ${installed}")
    endif()
endforeach()
if(EXPECT_PROGRAM AND NOT EXISTS "${program}")
    fail("the program is not installed at ${program}")
endif()
if(failures)
    message(FATAL_ERROR "The installed tree is incomplete:${failures}")
endif()

# man prints groff's warnings (a broken request, a line it cannot fit) on
# standard error.
foreach(page IN LISTS manuals)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env MANWIDTH=80
                            ${MAN_COMMAND} --warnings -E UTF-8 -l "${page}"
        RESULT_VARIABLE result OUTPUT_VARIABLE text ERROR_VARIABLE warnings)
    if(NOT result EQUAL 0 OR NOT warnings STREQUAL "" OR NOT text MATCHES "hueriddle")
        fail("man --warnings -l ${page} (${result}): ${warnings}")
    endif()
endforeach()

# desktop-file-validate exits 0 on warnings and hints; any output is a finding.
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} "${desktop}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT output STREQUAL "")
    fail("desktop-file-validate (${result}): ${output}")
endif()

# appstreamcli exits 0 when it finds no error or warning. Beyond that, every
# info is a finding too, but for one: Debian 12's AppStream 0.16 does not know
# the <developer> element of AppStream 1.0 yet and reports it as an unknown
# tag. Pedantic hints are printed; the one it gives asks for a lower-case
# component ID, which would no longer match the desktop entry's name.
macro(check_appstream what)
    execute_process(COMMAND ${APPSTREAMCLI} ${what} --no-net --pedantic ${ARGN}
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    message(STATUS "appstreamcli ${what} --pedantic: ${output}")
    string(REGEX MATCHALL "(^|\n)[ \t]*[EWI]: [^\n]*" findings "${output}")
    list(FILTER findings EXCLUDE REGEX "^\n?[ \t]*I: [^ ]+ unknown-tag developer$")
    if(NOT result EQUAL 0 OR findings)
        fail("appstreamcli ${what} (${result}): ${output}")
    endif()
endmacro()
check_appstream(validate "${metainfo}")
# validate-tree also checks that the metadata's launchable desktop entry is
# installed beside it.
check_appstream(validate-tree "${STAGE_DIR}")

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
string(REGEX MATCH "<release version=\"([^\"]*)\"" release "${metainfo_text}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    fail("the metadata's release is '${CMAKE_MATCH_1}', the project's version ${VERSION}")
endif()

# PNG: the signature, then the IHDR chunk with width and height as 32-bit
# big-endian numbers at bytes 16 and 20.
foreach(size IN LISTS icon_sizes)
    set(png "${root}/${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
    file(READ "${png}" header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 24 8 chunk)
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    math(EXPR expected "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(REGEX REPLACE "^0x" "" expected "${expected}")
    string(LENGTH "${expected}" digits)
    while(digits LESS 8)
        string(PREPEND expected "0")
        math(EXPR digits "${digits} + 1")
    endwhile()
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT chunk STREQUAL "49484452")
        fail("${png} is not a PNG file (header ${header})")
    elseif(NOT width STREQUAL expected OR NOT height STREQUAL expected)
        fail("${png} is 0x${width} by 0x${height} pixels, not ${size}x${size}")
    endif()
endforeach()

execute_process(COMMAND ${FILE_COMMAND} --brief --mime-type "${svg}"
    OUTPUT_VARIABLE svg_type OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT svg_type STREQUAL "image/svg+xml")
    fail("${svg} is ${svg_type}, not image/svg+xml")
endif()

if(failures)
    message(FATAL_ERROR "Installed files rejected:${failures}")
endif()
message(STATUS "Installed tree in ${STAGE_DIR} validated")
