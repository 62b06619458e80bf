# kyio(1) and kyio(3), each made from its one source under doc/ by pandoc, compressed as
# Debian installs manual pages. Without pandoc they are left out (KYIO_BUILD_MANPAGES).
find_program(PANDOC_PROGRAM pandoc)
find_program(GZIP_PROGRAM gzip)
include(CMakeDependentOption)
cmake_dependent_option(KYIO_BUILD_MANPAGES "Build and install the manual pages (needs pandoc)" ON
  "PANDOC_PROGRAM;GZIP_PROGRAM" OFF)

if(KYIO_BUILD_MANPAGES)
  set(_pages "")
  foreach(page kyio.1 kyio.3)
    set(source "${PROJECT_BINARY_DIR}/doc/${page}.md")
    set(output "${PROJECT_BINARY_DIR}/doc/${page}.gz")
    configure_file("${PROJECT_SOURCE_DIR}/doc/${page}.md" "${source}" @ONLY)
    add_custom_command(OUTPUT "${output}"
      COMMAND "${PANDOC_PROGRAM}" -s -t man "${source}" -o "${PROJECT_BINARY_DIR}/doc/${page}"
      COMMAND "${GZIP_PROGRAM}" -9nf "${PROJECT_BINARY_DIR}/doc/${page}"
      DEPENDS "${source}" COMMENT "Making the manual page ${page}" VERBATIM)
    list(APPEND _pages "${output}")
  endforeach()
  add_custom_target(kyio_manpages ALL DEPENDS ${_pages})
  install(FILES "${PROJECT_BINARY_DIR}/doc/kyio.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1" COMPONENT tool)
  install(FILES "${PROJECT_BINARY_DIR}/doc/kyio.3.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man3" COMPONENT dev)
endif()
