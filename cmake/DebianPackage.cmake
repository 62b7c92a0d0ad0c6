# The Debian package: `cpack -G DEB` in a Linux build tree gives libvek13, which
# holds everything `cmake --install` installs: the shared and static library,
# vek.h, the CMake and pkg-config files, the vek command and its manual page.
if(WIN32)
  return()
endif()
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vek)
set(CPACK_PACKAGE_VENDOR "vek")
set(CPACK_PACKAGE_CONTACT "vek maintainers <vek@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debian names a library's package after its soname's major version.
set(CPACK_DEBIAN_PACKAGE_NAME libvek${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_PACKAGE_DESCRIPTION "The vek library (libvek.so.${PROJECT_VERSION_MAJOR}, its C header, CMake and \
pkg-config files) and the vek command, which calls any of its functions from a shell.")
# The run-time dependencies (libc, libstdc++) are read from the binaries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
