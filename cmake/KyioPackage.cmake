# Debian packages through CPack (make deb): one per install component.
#   lib-kyio1     lib_kyio.so.1 (named after its SONAME) and the two companion libraries
#   lib-kyio-dev  headers, development link, CMake package, pkg-config file, kyio(3)
#   kyio          the tool, its bash completion and kyio(1)
# Each carries /usr/share/doc/PACKAGE/copyright (made from the notice) and a changelog.
set(KYIO_DEB_VERSION "${PROJECT_VERSION}-1")
set(KYIO_DEB_OUTPUT_DIR "${PROJECT_SOURCE_DIR}/build/deb" CACHE PATH "Where make deb writes the packages")
set(_deb_packages runtime lib-kyio1 dev lib-kyio-dev tool kyio)

if(KYIO_DEBIAN_PACKAGES)
  set(_changelog "${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz")
  add_custom_command(OUTPUT "${_changelog}"
    COMMAND gzip -9nc "${PROJECT_SOURCE_DIR}/cmake/changelog.Debian" > "${_changelog}"
    DEPENDS "${PROJECT_SOURCE_DIR}/cmake/changelog.Debian" VERBATIM)
  add_custom_target(kyio_debian_changelog ALL DEPENDS "${_changelog}")
  while(_deb_packages)
    list(POP_FRONT _deb_packages component package)
    install(FILES "${KYIO_DEBIAN_COPYRIGHT}" "${_changelog}"
      DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/doc/${package}" COMPONENT ${component})
    string(TOUPPER "${component}" COMPONENT)
    set(CPACK_DEBIAN_${COMPONENT}_PACKAGE_NAME "${package}")
  endwhile()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kyio)
set(CPACK_PACKAGE_VENDOR "lib_kyio developers")
set(CPACK_PACKAGE_CONTACT "lib_kyio developers <maintainers@kyio.example.org>")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
# PACKAGE_VERSION-RELEASE_ARCHITECTURE.deb, the architecture as dpkg gives it.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime dev tool)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${PROJECT_BINARY_DIR}/${CMAKE_INSTALL_LIBDIR}")

set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# The library cache is renewed through dpkg's ldconfig trigger; scripts of our own stand in
# for the ones CPack would write, which call ldconfig themselves.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA "${PROJECT_SOURCE_DIR}/cmake/debian/triggers"
    "${PROJECT_SOURCE_DIR}/cmake/debian/postinst" "${PROJECT_SOURCE_DIR}/cmake/debian/postrm")
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "stdio-style file access to disk files and embedded resources
lib_kyio gives a host one stdio-style file API (kyopen, kyread, kywrite,
kyseek, kytell, kyprintf, kyclose) over ordinary disk files and 28 read-only
resources compiled into the library: wv's HTML configuration, a DOCX-to-HTML
stylesheet and 26 URW Type 1 font files. It is safe to call from any thread.

This package holds the shared library and its two companion libraries.")

set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "lib-kyio1 (= ${KYIO_DEB_VERSION})")
set(CPACK_COMPONENT_DEV_DESCRIPTION "development files for lib_kyio
lib_kyio gives a host one stdio-style file API over disk files and the
resources compiled into the library.

This package holds the headers, the development link, the CMake package,
the pkg-config file and the kyio(3) manual page.")

set(CPACK_DEBIAN_TOOL_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_TOOL_PACKAGE_DEPENDS "lib-kyio1 (= ${KYIO_DEB_VERSION})")
set(CPACK_COMPONENT_TOOL_DESCRIPTION "look inside lib_kyio's embedded resources
kyio lists, prints, extracts and verifies the resources compiled into
lib_kyio, and reads disk files through the library's interface.")

include(CPack)

# make deb: the packages, checked by lintian, which must report no error.
if(KYIO_DEBIAN_PACKAGES)
  enable_testing()
  add_test(NAME Packages.LintianFindsNoError
    COMMAND "${PROJECT_SOURCE_DIR}/tests/deb_check.sh" "${PROJECT_BINARY_DIR}" "${KYIO_DEB_OUTPUT_DIR}")
endif()
