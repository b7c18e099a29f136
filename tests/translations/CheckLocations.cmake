# Fails when a translation file in translations/ is not what
# `translations-update` would make of it now: a text of the program that it
# lacks or still has, a context or comment that changed, or a file that a text
# moved to. Line numbers are left out of the comparison: they follow every edit
# of the code and tell a translator only roughly where to look, so a commit that
# merely moves lines must not fail the suite. lupdate runs on copies, beside a
# link to src/, so that the relative locations it writes are those of the real
# files.
#
#   cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<project> -DWORK_DIR=<dir> -P CheckLocations.cmake
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/translations)
file(CREATE_LINK ${SOURCE_DIR}/src ${WORK_DIR}/src SYMBOLIC)
file(GLOB ts_files RELATIVE ${SOURCE_DIR}/translations ${SOURCE_DIR}/translations/*.ts)
set(copies "")
foreach(ts IN LISTS ts_files)
    file(COPY ${SOURCE_DIR}/translations/${ts} DESTINATION ${WORK_DIR}/translations)
    list(APPEND copies translations/${ts})
endforeach()
execute_process(
    COMMAND ${LUPDATE} -silent -locations relative -no-obsolete -source-language en
            -extensions cpp,h src -ts ${copies}
    WORKING_DIRECTORY ${WORK_DIR}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${result}")
endif()
set(stale "")
foreach(ts IN LISTS ts_files)
    file(READ ${SOURCE_DIR}/translations/${ts} committed)
    file(READ ${WORK_DIR}/translations/${ts} refreshed)
    string(REGEX REPLACE " line=\"[-+]?[0-9]+\"" "" committed "${committed}")
    string(REGEX REPLACE " line=\"[-+]?[0-9]+\"" "" refreshed "${refreshed}")
    if(NOT committed STREQUAL refreshed)
        list(APPEND stale ${ts})
    endif()
endforeach()
if(stale)
    list(JOIN stale " " stale)
    message(FATAL_ERROR "Not current: ${stale}. Run "
            "`cmake --build --preset dev --target translations-update` and translate what "
            "it marks unfinished; `diff -r ${SOURCE_DIR}/translations ${WORK_DIR}/translations` "
            "shows what changes.")
endif()
message(STATUS "Every translation file is current: ${ts_files}")
