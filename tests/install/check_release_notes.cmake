# The newest release in the AppStream metainfo and in the package's changelog is the version
# being built: a new project version needs a release entry in both.
#   cmake -DMETAINFO=... -DCHANGELOG=... -DVERSION=... -P check_release_notes.cmake
file(READ "${METAINFO}" metainfo)
if(NOT metainfo MATCHES "<release version=\"([^\"]+)\"")
  message(FATAL_ERROR "${METAINFO} has no release")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "the newest release of the metainfo is ${CMAKE_MATCH_1}, not ${VERSION}")
endif()

file(STRINGS "${CHANGELOG}" first LIMIT_COUNT 1)
if(NOT first MATCHES "^tarlen \\(([^)]+)\\) ")
  message(FATAL_ERROR "${CHANGELOG} does not start with an entry: '${first}'")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "the newest changelog entry is ${CMAKE_MATCH_1}, not ${VERSION}")
endif()
