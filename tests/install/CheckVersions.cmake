# The version of this source tree is written in three places that a packager
# reads: the project's VERSION (from which the AppStream metadata's release
# is generated), the newest entry of debian/changelog and the manual page's
# header. They must agree.
#
# Variables (all required): SOURCE_DIR, VERSION.

file(STRINGS "${SOURCE_DIR}/debian/changelog" first_line LIMIT_COUNT 1)
if(NOT first_line MATCHES "^hueriddle \\(([^)]+)\\) ")
    message(FATAL_ERROR "debian/changelog does not start with an entry: ${first_line}")
endif()
set(changelog_version "${CMAKE_MATCH_1}")

file(STRINGS "${SOURCE_DIR}/data/hueriddle.6" header REGEX "^\\.TH ")
if(NOT header MATCHES "^\\.TH HUERIDDLE 6 [^ ]+ \"Hueriddle ([^\"]+)\"")
    message(FATAL_ERROR "data/hueriddle.6 has no header naming the version: ${header}")
endif()
set(manual_version "${CMAKE_MATCH_1}")

set(failures "")
if(NOT changelog_version STREQUAL VERSION)
    string(APPEND failures "\n  debian/changelog names ${changelog_version}")
endif()
if(NOT manual_version STREQUAL VERSION)
    string(APPEND failures "\n  data/hueriddle.6 names ${manual_version}")
endif()
if(failures)
    message(FATAL_ERROR "The project's version is ${VERSION}, but:${failures}")
endif()
message(STATUS "debian/changelog and the manual page name version ${VERSION}")
