# Runs the program with each command line of the table and checks its exit status, its
# standard output and its standard error. Run with no display, so that any window it tried to
# open would end it with a different status.
#   cmake -DTARLEN=... -DVERSION=... -P check_command_line.cmake
#
# case name | arguments (;-separated) | status | output regex | error regex
set(cases
  "help|--help|0|^Kullanım: tarlen \\[seçenekler\\] \\[resim\\]\n.*  -h, --help .*\n  -v, --version .*\n|^$"
  "version|--version|0|^Tarlen ${VERSION}\n$|^$"
  "short version|-v|0|^Tarlen ${VERSION}\n$|^$"
  "unknown option|--renk|2|^$|^tarlen: bilinmeyen seçenek: --renk\n$"
  "unknown option after a picture|grafik.bmp,-q|2|^$|^tarlen: bilinmeyen seçenek: -q\n$"
  "missing value|-style|2|^$|^tarlen: -style seçeneğinin değeri eksik\n$"
)

set(failures "")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 name)
  list(GET fields 1 arguments)
  list(GET fields 2 expectedStatus)
  list(GET fields 3 outputPattern)
  list(GET fields 4 errorPattern)
  string(REPLACE "," ";" arguments "${arguments}")
  execute_process(COMMAND "${TARLEN}" ${arguments}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status STREQUAL expectedStatus OR NOT out MATCHES "${outputPattern}"
     OR NOT err MATCHES "${errorPattern}")
    string(APPEND failures "\n${name}: status ${status}, output '${out}', error '${err}'")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "command lines answered wrongly:${failures}")
endif()
