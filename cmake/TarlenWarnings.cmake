# High, clean warnings, set per target.
function(tarlen_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wswitch-enum -Wshadow
                                           -Wconversion -Wno-sign-conversion)
endfunction()
