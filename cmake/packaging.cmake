# Installs the licence notices and sets up `cpack -G DEB`. Included at the end of
# the top-level CMakeLists.txt, after every install rule is known.
include(GNUInstallDirs)

# The window font is embedded in the executable, so its notice goes wherever it goes.
install(FILES
  ${CMAKE_CURRENT_LIST_DIR}/../ui/fonts/README
  ${CMAKE_CURRENT_LIST_DIR}/../ui/fonts/LGPL-2.1.txt
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/yarno)

set(CPACK_PACKAGE_NAME yarno)
set(CPACK_PACKAGE_VENDOR "Yarno developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Fill in the blanks and read the story you made")
set(CPACK_PACKAGE_CONTACT "Yarno developers <maintainers@users.noreply.c-seed-bb819b5b.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its X11/Wayland platform plugin at run time, which dpkg-shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)

include(CPack)
