# `cpack` in a build tree: a Debian package "zt738" on Linux, a ZIP of the
# same tree for Windows. Both hold what `cmake --install` installs.
set(CPACK_PACKAGE_NAME zt738)
set(CPACK_PACKAGE_VENDOR "The ZT738 developers")
set(CPACK_PACKAGE_CONTACT "The ZT738 developers <zt738@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Event-driven graphics package for desktop windows, and a shape editor")
set(CPACK_PACKAGE_DESCRIPTION
  "A C++ library for programs that draw coloured shapes and text in a window\n"
  "and react to one event at a time (clicks, keys, animation ticks), with a\n"
  "Run menu, a text console, script recording and playback and a line-input\n"
  "dialog, and zt738-editor, a shape editor built on it.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# The programs lose their debug information; the libraries keep it.
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-win64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
  # Depends: the packages of the shared libraries that the programs under
  # bin/ load, found by dpkg-shlibdeps, and the font that the layer draws
  # text with, which no program names.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-dejavu-core)
  # Recommends: the development packages of what the installed tree links
  # (zt738-replay writes its pictures with libpng).
  set(zt738_deb_external ${zt738_external})
  if(TARGET zt738-replay)
    list(APPEND zt738_deb_external PNG::PNG)
  endif()
  zt738_debian_recommends("${zt738_deb_external}" CPACK_DEBIAN_PACKAGE_RECOMMENDS)
endif()

include(CPack)
