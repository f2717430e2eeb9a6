include(CMakePackageConfigHelpers)

install(TARGETS kx EXPORT kxTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/kx DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT kxTargets NAMESPACE kx:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/kx)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/kxConfig.cmake.in
  ${PROJECT_BINARY_DIR}/kxConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/kx)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/kxConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/kxConfig.cmake ${PROJECT_BINARY_DIR}/kxConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/kx)
