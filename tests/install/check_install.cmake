# Installs the build into an empty prefix and compares the files there with the expected list,
# then runs the installed program.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DEXPECTED=... -DVERSION=... -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
file(STRINGS "${EXPECTED}" expected)
list(SORT expected)
if(NOT installed STREQUAL expected)
  set(extra ${installed})
  list(REMOVE_ITEM extra ${expected})
  set(missing ${expected})
  list(REMOVE_ITEM missing ${installed})
  message(FATAL_ERROR "installed files differ\n  not expected: ${extra}\n  missing: ${missing}")
endif()

execute_process(COMMAND "${PREFIX}/bin/tarlen" --version
                OUTPUT_VARIABLE out RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out STREQUAL "Tarlen ${VERSION}\n")
  message(FATAL_ERROR "installed tarlen --version gave status ${status}: '${out}'")
endif()
