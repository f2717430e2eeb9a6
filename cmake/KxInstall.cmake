# Install rules: the shared library (component Runtime), and the headers, the CMake package and the
# pkg-config file (component Development), split as Debian splits a library into libkx<major> and
# libkx-dev. Tools add themselves to the component Tool.
include(CMakePackageConfigHelpers)

install(TARGETS kx EXPORT kxTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime
                NAMELINK_COMPONENT Development
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/kx DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
        COMPONENT Development)
install(FILES ${PROJECT_BINARY_DIR}/generated/kx/version.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kx COMPONENT Development)

set(_kx_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/kx)
install(EXPORT kxTargets NAMESPACE kx:: DESTINATION ${_kx_cmake_dir} COMPONENT Development)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/kxConfig.cmake.in
  ${PROJECT_BINARY_DIR}/kxConfig.cmake
  INSTALL_DESTINATION ${_kx_cmake_dir})
# Versions with the same major number are compatible, the rule the shared library's SOVERSION keeps.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/kxConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/kxConfig.cmake ${PROJECT_BINARY_DIR}/kxConfigVersion.cmake
        DESTINATION ${_kx_cmake_dir} COMPONENT Development)

# kx.pc finds its prefix from where it lies (${pcfiledir}), so the installed tree can be moved.
set(_kx_pc_dir ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH KX_PC_PREFIX_FROM_PCDIR /${_kx_pc_dir} /)
string(REGEX REPLACE "/$" "" KX_PC_PREFIX_FROM_PCDIR "${KX_PC_PREFIX_FROM_PCDIR}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/kx.pc.in ${PROJECT_BINARY_DIR}/kx.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/kx.pc DESTINATION ${_kx_pc_dir} COMPONENT Development)
