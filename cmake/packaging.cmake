# The manual pages, the copyright and the change logs, installed beside the
# programs, and the Debian package made of them:
#   cmake --build build --target package   ->  build/kortalwind_<version>-<revision>_<arch>.deb
# The package holds the install rules of component ${KT_INSTALL_COMPONENT}
# only; the benchmark, the tests and the icon maker have none.

include(GNUInstallDirs)
set(KT_DOC_SOURCE ${CMAKE_SOURCE_DIR}/doc)
set(KT_DOC_BINARY ${CMAKE_BINARY_DIR}/doc)
set(KT_PACKAGE_NAME kortalwind)

# The Debian change log's newest entry names the package revision and the
# maintainer; its upstream version must be the one res/ holds.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KT_DOC_SOURCE}/changelog.Debian)
file(READ ${KT_DOC_SOURCE}/changelog.Debian _kt_changelog)
if(NOT _kt_changelog MATCHES "^${KT_PACKAGE_NAME} \\(([^)-]+)-([^)]+)\\)"
   OR NOT CMAKE_MATCH_1 STREQUAL KT_VERSION)
  message(FATAL_ERROR "doc/changelog.Debian must begin with an entry for ${KT_PACKAGE_NAME} (${KT_VERSION}-REVISION)")
endif()
set(KT_PACKAGE_REVISION ${CMAKE_MATCH_2})
string(REGEX MATCH "\n -- ([^\n]*>)  " _kt_trailer "${_kt_changelog}")
set(KT_PACKAGE_MAINTAINER ${CMAKE_MATCH_1})

# The pages and the upstream change log are read as they are, so they name
# the version themselves; a new version must reach them too.
foreach(file kortalwind.1 kortalwind-export.1 kortalwind-saver.6 changelog)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KT_DOC_SOURCE}/${file})
  file(STRINGS ${KT_DOC_SOURCE}/${file} _kt_first LIMIT_COUNT 1)
  string(FIND "${_kt_first}" "korTalwind ${KT_VERSION}" _kt_at)
  if(_kt_at LESS 0)
    message(FATAL_ERROR "doc/${file} must name korTalwind ${KT_VERSION} on its first line: ${_kt_first}")
  endif()
endforeach()

# Debian keeps manual pages and change logs compressed, without a name or a
# time stamp in the header, so the same text always gives the same bytes.
function(kt_gzipped source name out_var)
  set(out ${KT_DOC_BINARY}/${name}.gz)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${KT_DOC_BINARY}/${name}
    COMMAND gzip -9nf ${KT_DOC_BINARY}/${name}
    DEPENDS ${source}
    VERBATIM)
  set(${out_var} ${out} PARENT_SCOPE)
endfunction()

set(_kt_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${KT_PACKAGE_NAME})
kt_gzipped(${KT_DOC_SOURCE}/kortalwind.1 kortalwind.1 _kt_man_app)
kt_gzipped(${KT_DOC_SOURCE}/kortalwind-export.1 kortalwind-export.1 _kt_man_export)
kt_gzipped(${KT_DOC_SOURCE}/kortalwind-saver.6 kortalwind-saver.6 _kt_man_saver)
kt_gzipped(${KT_DOC_SOURCE}/changelog changelog _kt_changelog_upstream)
kt_gzipped(${KT_DOC_SOURCE}/changelog.Debian changelog.Debian _kt_changelog_debian)
add_custom_target(kt_docs ALL DEPENDS ${_kt_man_app} ${_kt_man_export} ${_kt_man_saver}
                  ${_kt_changelog_upstream} ${_kt_changelog_debian})

install(FILES ${_kt_man_app} ${_kt_man_export}
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${KT_INSTALL_COMPONENT})
# Screensaver programs are games, section 6, as xscreensaver's own are.
install(FILES ${_kt_man_saver} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT ${KT_INSTALL_COMPONENT})
# xscreensaver-settings finds a program's settings page by the program's name.
install(FILES ${KT_DOC_SOURCE}/kortalwind-saver.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/xscreensaver/config COMPONENT ${KT_INSTALL_COMPONENT})
install(FILES ${KT_DOC_SOURCE}/copyright ${_kt_changelog_upstream} ${_kt_changelog_debian}
        DESTINATION ${_kt_doc_dir} COMPONENT ${KT_INSTALL_COMPONENT})
install(FILES ${KT_DOC_SOURCE}/lintian-overrides RENAME ${KT_PACKAGE_NAME}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides COMPONENT ${KT_INSTALL_COMPONENT})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${KT_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${KT_VERSION})
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};${KT_INSTALL_COMPONENT};/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The build keeps its debug information; the package's programs are stripped.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${KT_PACKAGE_REVISION})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KT_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends comes from the libraries the programs link, through dpkg-shlibdeps,
# and names the video libraries kortalwind-export loads when it records.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${KT_VIDEO_PACKAGES}")
# The saver runs on its own too; xscreensaver is what starts it when the screen idles.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS xscreensaver)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "endless animated flight over a random city")
set(CPACK_PACKAGE_DESCRIPTION
    "korTalwind is a small desktop graphics demonstration. Its one window shows
an endless flight over a randomly generated city: grey buildings with dark
red outlines on green ground crossed by grey roads, drawn far to near from a
camera that follows a smooth closed path computed from the clock. A left
click in the picture builds a new city.

kortalwind-export prints the city and the geometry of any frame as JSON and
draws the pictures as PNG files or records the flight as a video, without a
window.

kortalwind-saver shows the same flight as a screensaver for xscreensaver,
full screen or in a window, without keeping a processor busy.")

include(CPack)
