# Settings every target of the project shares: warnings, hidden symbols, sanitizers.

option(KYIO_WERROR "Treat compiler warnings as errors" OFF)
set(KYIO_SANITIZE "" CACHE STRING "Sanitizers to build with: empty, address,undefined or thread")

set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

if(KYIO_SANITIZE)
  add_compile_options(-fsanitize=${KYIO_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${KYIO_SANITIZE})
endif()

function(kyio_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic $<$<BOOL:${KYIO_WERROR}>:-Werror>)
endfunction()

# A shared library of ours: warnings on, everything hidden but what is marked for export, and
# no symbol left undefined at link time.
function(kyio_library_defaults target)
  kyio_warnings(${target})
  set_target_properties(${target} PROPERTIES C_VISIBILITY_PRESET hidden CXX_VISIBILITY_PRESET hidden)
  if(NOT KYIO_SANITIZE)
    target_link_options(${target} PRIVATE -Wl,--no-undefined)
  endif()
endfunction()
