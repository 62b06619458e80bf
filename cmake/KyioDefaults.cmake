# Settings every target of the project shares: warnings, hidden symbols, sanitizers.

option(KYIO_WERROR "Treat compiler warnings as errors" OFF)
set(KYIO_SANITIZE "" CACHE STRING "Sanitizers to build with: empty, address,undefined or thread")
option(KYIO_FUZZ "Build the libFuzzer targets under fuzz/ (clang only)" OFF)

# A fuzzing build instruments all of the project's code for coverage, under ASan and UBSan.
if(KYIO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "KYIO_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang)")
  endif()
  set(KYIO_SANITIZE "address,undefined")
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

# kyio_build_flags, which every target of ours links: warnings, and hardening as Debian
# builds its packages (dpkg-buildflags with hardening=+all): stack protector and clash
# protection, control-flow protection, format checks, _FORTIFY_SOURCE where the code is
# optimised (not beside the sanitizers, which intercept the same calls), full RELRO with
# immediate binding; PIE for the executables comes with CMAKE_POSITION_INDEPENDENT_CODE.
add_library(kyio_build_flags INTERFACE)
target_compile_options(kyio_build_flags INTERFACE
  -fstack-protector-strong -fstack-clash-protection -fcf-protection -Wformat -Werror=format-security
  -Wall -Wextra -Wpedantic $<$<BOOL:${KYIO_WERROR}>:-Werror>)
if(NOT KYIO_SANITIZE)
  target_compile_options(kyio_build_flags INTERFACE $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
endif()
target_link_options(kyio_build_flags INTERFACE -Wl,-z,relro -Wl,-z,now)
# Every object of ours carries the IBT and SHSTK property of -fcf-protection, but Debian 12's
# crtbegin objects do not (their indirect-call targets do begin with endbr64), and the linker
# keeps a property only when every input has it: it is asserted for the output instead.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64")
  target_link_options(kyio_build_flags INTERFACE -Wl,-z,ibt -Wl,-z,shstk)
endif()
include(CheckPIESupported)
check_pie_supported()

if(KYIO_SANITIZE)
  add_compile_options(-fsanitize=${KYIO_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${KYIO_SANITIZE})
endif()

function(kyio_flags target)
  target_link_libraries(${target} PRIVATE kyio_build_flags)
endfunction()

# A shared library of ours: warnings on, everything hidden but what its API macro marks (the
# headers leave the macro empty for hosts; the build defines it here), and no symbol left
# undefined at link time.
function(kyio_library_defaults target)
  cmake_parse_arguments(ARG "" "API" "" ${ARGN})
  kyio_flags(${target})
  set_target_properties(${target} PROPERTIES C_VISIBILITY_PRESET hidden CXX_VISIBILITY_PRESET hidden)
  if(ARG_API)
    target_compile_definitions(${target} PUBLIC "${ARG_API}=__attribute__((visibility(\"default\")))")
  endif()
  if(NOT KYIO_SANITIZE)
    target_link_options(${target} PRIVATE -Wl,--no-undefined)
  endif()
endfunction()

# Links target with a version script, which names what it exports and under which version.
function(kyio_version_script target script)
  target_link_options(${target} PRIVATE "LINKER:--version-script=${script}")
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS "${script}")
endfunction()
