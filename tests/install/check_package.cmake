# Builds the Debian package into an empty folder and checks its name, its control fields and
# that it holds exactly the installed files under /usr.
#   cmake -DCPACK=... -DBUILD_DIR=... -DOUT=... -DEXPECTED=... -DVERSION=... -P check_package.cmake
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${CPACK}" --config "${BUILD_DIR}/CPackConfig.cmake" -G DEB -B "${OUT}"
                RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack failed: ${log}")
endif()
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch
                OUTPUT_STRIP_TRAILING_WHITESPACE)
set(deb "${OUT}/tarlen_${VERSION}_${arch}.deb")
if(NOT EXISTS "${deb}")
  file(GLOB made "${OUT}/*.deb")
  message(FATAL_ERROR "expected ${deb}, cpack made: ${made}")
endif()

# field | pattern its value must match
set(fields
  "Package|^tarlen$"
  "Version|^${VERSION}$"
  "Section|^graphics$"
  "Maintainer|^Tarlen <"
  "Depends|libqt6widgets6 \\(>= 6"
  "Depends|libqt6gui6 "
  "Depends|libstdc\\+\\+6 "
  "Description|^graph digitizer with a Turkish user interface\n .+"
)
foreach(entry IN LISTS fields)
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 field)
  list(GET parts 1 pattern)
  execute_process(COMMAND dpkg-deb --field "${deb}" ${field} OUTPUT_VARIABLE value
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT value MATCHES "${pattern}")
    message(FATAL_ERROR "field ${field} is '${value}', expected to match '${pattern}'")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb --contents "${deb}" OUTPUT_VARIABLE listing)
string(REPLACE "\n" ";" lines "${listing}")
set(packaged "")
foreach(line IN LISTS lines)
  if(line MATCHES "^-.* \\./usr/(.*)$")
    list(APPEND packaged "${CMAKE_MATCH_1}")
  endif()
endforeach()
list(SORT packaged)
file(STRINGS "${EXPECTED}" expected)
list(SORT expected)
if(NOT packaged STREQUAL expected)
  message(FATAL_ERROR "the package holds\n  ${packaged}\ninstead of\n  ${expected}")
endif()
