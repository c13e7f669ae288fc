# Installs the licence notices, the manual page and the package's documents, and sets up
# `cpack -G DEB`. Included at the end of the top-level CMakeLists.txt, after every install rule
# is known.
include(GNUInstallDirs)
set(yarno_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/yarno)

# The window font is embedded in the executable, so its notice goes wherever it goes.
install(FILES
  ${PROJECT_SOURCE_DIR}/ui/fonts/README
  ${PROJECT_SOURCE_DIR}/ui/fonts/LGPL-2.1.txt
  DESTINATION ${yarno_doc_dir})

if(UNIX AND NOT APPLE)
  # The changelog's top entry is the version being packaged; a new version needs a new entry.
  set(yarno_deb_dir ${PROJECT_SOURCE_DIR}/res/deb)
  file(STRINGS ${yarno_deb_dir}/changelog yarno_changelog_top LIMIT_COUNT 1)
  if(NOT yarno_changelog_top MATCHES "^yarno \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "res/deb/changelog does not start with an entry for ${PROJECT_VERSION}")
  endif()

  # Compressed the way Debian wants: at the highest level, without the file's name and time,
  # so the same sources make the same package.
  set(yarno_gzipped)
  foreach(source res/yarno.6 res/deb/changelog)
    get_filename_component(name ${source} NAME)
    set(gzipped ${CMAKE_CURRENT_BINARY_DIR}/gzipped/${name}.gz)
    add_custom_command(
      OUTPUT ${gzipped}
      COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/${source} gzipped/${name}
      COMMAND gzip -9nf gzipped/${name}
      DEPENDS ${PROJECT_SOURCE_DIR}/${source}
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
      VERBATIM)
    list(APPEND yarno_gzipped ${gzipped})
  endforeach()
  add_custom_target(yarno_gzipped_docs ALL DEPENDS ${yarno_gzipped})

  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/gzipped/yarno.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  # Debian's machine-readable form of LICENSE and the font's notice together.
  install(FILES ${yarno_deb_dir}/copyright ${CMAKE_CURRENT_BINARY_DIR}/gzipped/changelog.gz
    DESTINATION ${yarno_doc_dir})
endif()

set(CPACK_PACKAGE_NAME yarno)
set(CPACK_PACKAGE_VENDOR "Yarno developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Fill in the blanks and read the story you made")
set(CPACK_PACKAGE_DESCRIPTION [=[
Yarno is a fill-in-the-blanks word game. It has two stories, Sport and
Lottery, each in a window of its own. Answer a story's six questions (your
name, a favorite sport, an object and the like) and press Submit: the story
appears below the questions with your answers in its blanks. New Story clears
the answers for another go.

Yarno reads and writes no files and uses no network.]=])
# The project's address, never the identity of the machine that happens to build the package.
set(CPACK_PACKAGE_CONTACT "Yarno developers <yarno@example.com>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.example.com/yarno)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its X11/Wayland platform plugin at run time, which dpkg-shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)

include(CPack)
