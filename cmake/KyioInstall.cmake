# cmake --install: the libraries with their SONAME links, the public headers, the kyio tool,
# a CMake package (find_package(kyio) gives kyio::kyio) and a pkg-config file.
include(CMakePackageConfigHelpers)

set(KYIO_CMAKE_DIR "${CMAKE_INSTALL_LIBDIR}/cmake/kyio")
set(KYIO_PKGCONFIG_DIR "${CMAKE_INSTALL_LIBDIR}/pkgconfig")

# Installed libraries find each other, and the tool finds them, wherever the prefix is.
set_target_properties(kyio kyconv kybase PROPERTIES INSTALL_RPATH "$ORIGIN")

install(TARGETS kyio kyconv kybase EXPORT kyioTargets
  LIBRARY DESTINATION "${CMAKE_INSTALL_LIBDIR}")
install(FILES io/kyio.h companions/base/qmutex.h DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}")

install(EXPORT kyioTargets NAMESPACE kyio:: DESTINATION "${KYIO_CMAKE_DIR}")
configure_package_config_file(cmake/kyioConfig.cmake.in "${PROJECT_BINARY_DIR}/kyioConfig.cmake"
  INSTALL_DESTINATION "${KYIO_CMAKE_DIR}")
write_basic_package_version_file("${PROJECT_BINARY_DIR}/kyioConfigVersion.cmake"
  COMPATIBILITY SameMajorVersion)
install(FILES "${PROJECT_BINARY_DIR}/kyioConfig.cmake" "${PROJECT_BINARY_DIR}/kyioConfigVersion.cmake"
  DESTINATION "${KYIO_CMAKE_DIR}")

# The .pc file names its prefix relative to itself, so an installed tree can be moved.
file(RELATIVE_PATH KYIO_PC_TO_PREFIX "/${KYIO_PKGCONFIG_DIR}" "/")
configure_file(cmake/kyio.pc.in "${PROJECT_BINARY_DIR}/kyio.pc" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/kyio.pc" DESTINATION "${KYIO_PKGCONFIG_DIR}")
