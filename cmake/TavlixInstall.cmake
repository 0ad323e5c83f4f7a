# Installation the way Linux desktops expect a game (`cmake --install`), and
# the Debian package built from it by CPack (`cpack -G DEB` in the build
# folder: tavlix_<version>_amd64.deb).
#
# The programs go to bin/, the desktop entry to share/applications/, the
# icons drawn from the tile art (tools/make-icons.sh) to share/icons/hicolor/
# and the AppStream metainfo to share/metainfo/. An installed copy keeps its
# settings and tally in the per-user data folder, since the folder of its
# executable is not writable for its players.
include(GNUInstallDirs)

set(TAVLIX_APP_ID com.orvelsoftware.Tavlix)
set(TAVLIX_LINUX_ASSETS ${PROJECT_SOURCE_DIR}/assets/linux)

install(TARGETS tavlix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET orvellobby)
  install(TARGETS orvellobby RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${TAVLIX_LINUX_ASSETS}/${TAVLIX_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TAVLIX_LINUX_ASSETS}/${TAVLIX_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/icons/hicolor
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
if(EXISTS ${PROJECT_SOURCE_DIR}/LICENSE)
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavlix RENAME copyright)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavlix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvel Software")
set(CPACK_PACKAGE_CONTACT "Orvel Software <tavlix@orvelsoftware.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tile game for up to six players, solo or over the network")
set(CPACK_PACKAGE_DESCRIPTION
  "Lay tiles on a shared 10 by 9 board so that every touching side shows the\n\
same picture. Play alone against the computer or host and join games over a\n\
local network or the internet, with chat, phrase buttons, chatter sounds and\n\
a tally of results.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.orvelsoftware.com")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The programs ship without their debugging information.
set(CPACK_STRIP_FILES ON)
# tavlix_1.0.0_amd64.deb: the Debian naming of package, version and
# architecture.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The run-time libraries the programs link (Qt, libcurl, libjpeg, libnatpmp,
# miniupnpc, ...) as
# dpkg-shlibdeps finds them, with their versions.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plug-ins at run time, which dpkg-shlibdeps cannot
# see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The status line and the chat ask for Arial; Liberation Sans has its metrics.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
include(CPack)
