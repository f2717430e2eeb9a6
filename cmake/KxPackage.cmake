# Debian packages with CPack: `cpack` in a build configured with the install prefix /usr (the
# `package` preset) makes libkx<major> (the shared library), libkx-dev (headers, CMake and
# pkg-config files) and kxprofile (the command-line tool, when it is built).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kxlib)
set(CPACK_PACKAGE_VENDOR "kxlib developers")
set(CPACK_PACKAGE_CONTACT "kxlib developers <kxlib@users.noreply.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The tool's own library is found in the build (it is not installed while packaging), and libkx0
# gets a shlibs file so that packages built on it depend on it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/src)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)

set(_kx_runtime_package libkx${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME ${_kx_runtime_package})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
    "Class library for road and line design programs beside a CAD host (shared library)")
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libkx-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "${_kx_runtime_package} (= ${PROJECT_VERSION})")
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION
    "Class library for road and line design programs beside a CAD host (development files)")
set(CPACK_DEBIAN_TOOL_PACKAGE_NAME kxprofile)
set(CPACK_DEBIAN_TOOL_PACKAGE_SECTION science)
set(CPACK_DEBIAN_TOOL_PACKAGE_DEPENDS "${_kx_runtime_package} (= ${PROJECT_VERSION})")
set(CPACK_COMPONENT_TOOL_DESCRIPTION
    "Vertical road profiles at the command line: curve tables, heights, drawings")

set(CPACK_COMPONENTS_ALL Runtime Development)
if(TARGET kxprofile)
  list(APPEND CPACK_COMPONENTS_ALL Tool)
endif()
include(CPack)
