# cmake --install, in three components that become the Debian packages (cmake/KyioPackage.cmake):
#   runtime  lib_kyio.so.1 and its two companions, the licence and the notice
#   dev      the headers (under include/kyio/), the development link, a CMake package
#            (find_package(kyio) gives kyio::kyio), a pkg-config file and kyio(3)
#   tool     the kyio tool, its converter, its bash completion and kyio(1)
include(CMakePackageConfigHelpers)

set(KYIO_CMAKE_DIR "${CMAKE_INSTALL_LIBDIR}/cmake/kyio")
set(KYIO_PKGCONFIG_DIR "${CMAKE_INSTALL_LIBDIR}/pkgconfig")
set(KYIO_INCLUDE_DIR "${CMAKE_INSTALL_INCLUDEDIR}/kyio")

option(KYIO_DEBIAN_PACKAGES "Lay out the installation for Debian packages (prefix /usr)" OFF)

# Installed libraries find each other, and the tool finds them, wherever the prefix is; in
# Debian's system folders they need no RUNPATH at all.
set_target_properties(kyio kyconv kybase PROPERTIES INSTALL_RPATH "$ORIGIN" BUILD_WITH_INSTALL_RPATH ON)
if(KYIO_DEBIAN_PACKAGES)
  set_target_properties(kyio kyconv kybase kyio_cli kyio_converter PROPERTIES INSTALL_RPATH "")
endif()

install(TARGETS kyio EXPORT kyioTargets
  LIBRARY DESTINATION "${CMAKE_INSTALL_LIBDIR}" COMPONENT runtime NAMELINK_COMPONENT dev)
# Hosts never link the companions directly: no development links for them. They are in the
# export set only so that the CMake package knows that lib_kyio needs them at run time.
install(TARGETS kyconv kybase EXPORT kyioTargets
  LIBRARY DESTINATION "${CMAKE_INSTALL_LIBDIR}" COMPONENT runtime NAMELINK_SKIP)
install(FILES LICENSE "${KYIO_NOTICE_FILE}" DESTINATION "${CMAKE_INSTALL_DOCDIR}" COMPONENT runtime)
install(FILES io/kyio.h companions/base/kybase_qmutex.h DESTINATION "${KYIO_INCLUDE_DIR}" COMPONENT dev)

install(EXPORT kyioTargets NAMESPACE kyio:: DESTINATION "${KYIO_CMAKE_DIR}" COMPONENT dev)
configure_package_config_file(cmake/kyioConfig.cmake.in "${PROJECT_BINARY_DIR}/kyioConfig.cmake"
  INSTALL_DESTINATION "${KYIO_CMAKE_DIR}")
write_basic_package_version_file("${PROJECT_BINARY_DIR}/kyioConfigVersion.cmake"
  COMPATIBILITY SameMajorVersion)
install(FILES "${PROJECT_BINARY_DIR}/kyioConfig.cmake" "${PROJECT_BINARY_DIR}/kyioConfigVersion.cmake"
  DESTINATION "${KYIO_CMAKE_DIR}" COMPONENT dev)

# The .pc file names its prefix relative to itself, so an installed tree can be moved.
file(RELATIVE_PATH KYIO_PC_TO_PREFIX "/${KYIO_PKGCONFIG_DIR}" "/")
configure_file(cmake/kyio.pc.in "${PROJECT_BINARY_DIR}/kyio.pc" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/kyio.pc" DESTINATION "${KYIO_PKGCONFIG_DIR}" COMPONENT dev)
