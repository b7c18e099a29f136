# Fails when a library under src includes a library it may not use. The
# libraries depend one way only:
#   app -> game -> dnd -> views -> records -> rules, and app -> desktop,
# and rules and records are plain C++, without Qt.
# Run as: cmake -DSOURCE_DIR=<project>/src -P CheckLayering.cmake
cmake_minimum_required(VERSION 3.25)

set(allowed_rules rules)
set(allowed_records records rules)
set(allowed_views views records rules)
set(allowed_dnd dnd views records rules)
set(allowed_game game dnd views records rules)
set(allowed_desktop desktop)
set(allowed_app app game dnd views records rules desktop)
set(without_qt rules records)
set(libraries rules records views dnd game desktop app)

set(faults "")
foreach(library IN LISTS libraries)
    file(GLOB_RECURSE files "${SOURCE_DIR}/${library}/*.h" "${SOURCE_DIR}/${library}/*.cpp"
         "${SOURCE_DIR}/${library}/*.h.in")
    foreach(file IN LISTS files)
        file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
        file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
        foreach(line IN LISTS includes)
            if(line MATCHES "#[ \t]*include[ \t]*\"([a-z]+)/")
                set(used "${CMAKE_MATCH_1}")
                if(used IN_LIST libraries AND NOT used IN_LIST allowed_${library})
                    list(APPEND faults "${shown}: ${line} (${library} may not use ${used})")
                endif()
            endif()
            if(library IN_LIST without_qt AND line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z]*)")
                list(APPEND faults "${shown}: ${line} (${library} is plain C++)")
            endif()
        endforeach()
    endforeach()
endforeach()

foreach(library IN LISTS without_qt)
    file(READ "${SOURCE_DIR}/${library}/CMakeLists.txt" build)
    if(build MATCHES "Qt6::")
        list(APPEND faults "${library}/CMakeLists.txt links Qt (${library} is plain C++)")
    endif()
endforeach()

if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "Includes against the direction of the libraries:\n  ${text}")
endif()
message(STATUS "Every library includes only the libraries it may use")
