# Installation the way Linux desktops expect a game (`cmake --install`), and
# the Debian package built from it by CPack (`cpack -G DEB` in the build
# folder: tavlix_<version>_amd64.deb), which lintian accepts
# (tools/package-check.sh).
#
# The programs go to games/ (Debian keeps games in /usr/games, which its
# PATH holds; TAVLIX_INSTALL_GAMESDIR=bin puts them beside other programs),
# the manual pages to share/man/man6/, the desktop entry to
# share/applications/, the icons drawn from the tile art
# (tools/make-icons.sh) to share/icons/hicolor/, the AppStream metainfo to
# share/metainfo/, and the changelog and machine-readable copyright to
# share/doc/tavlix/. An installed copy keeps its settings and tally in the
# per-user data folder, since the folder of its executable is not writable
# for its players.
#
# A second package, orvellobbyd_<version>_amd64.deb, holds the meeting
# service: /usr/sbin/orvellobbyd, its manual page orvellobbyd(8) and its
# systemd unit. The two are CPack components; the game does not depend on
# the service, which runs on a server.
include(GNUInstallDirs)

set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME tavlix)

set(TAVLIX_INSTALL_GAMESDIR games CACHE STRING "Folder under the prefix for the tavlix and orvellobby programs")

set(TAVLIX_APP_ID com.orvelsoftware.Tavlix)
set(TAVLIX_LINUX_ASSETS ${PROJECT_SOURCE_DIR}/assets/linux)

install(TARGETS tavlix RUNTIME DESTINATION ${TAVLIX_INSTALL_GAMESDIR})
if(TARGET orvellobby)
  install(TARGETS orvellobby RUNTIME DESTINATION ${TAVLIX_INSTALL_GAMESDIR})
endif()
install(FILES ${TAVLIX_LINUX_ASSETS}/${TAVLIX_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TAVLIX_LINUX_ASSETS}/${TAVLIX_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/icons/hicolor
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Manual pages and the changelog are installed compressed, as Debian wants
# them: gzip -9 without the name and time stamp, so every build gives the
# same bytes.
find_program(TAVLIX_GZIP gzip REQUIRED)
set(tavlix_gzipped)
foreach(source tavlix.6 orvellobby.6 orvellobbyd.8 changelog)
  set(gzipped ${CMAKE_CURRENT_BINARY_DIR}/linux/${source}.gz)
  add_custom_command(OUTPUT ${gzipped}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/linux
    COMMAND ${CMAKE_COMMAND} -E copy ${TAVLIX_LINUX_ASSETS}/${source} ${CMAKE_CURRENT_BINARY_DIR}/linux/${source}
    COMMAND ${TAVLIX_GZIP} -9 -n -f ${CMAKE_CURRENT_BINARY_DIR}/linux/${source}
    DEPENDS ${TAVLIX_LINUX_ASSETS}/${source}
    VERBATIM)
  list(APPEND tavlix_gzipped ${gzipped})
endforeach()
add_custom_target(tavlix_gzipped_docs ALL DEPENDS ${tavlix_gzipped})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/linux/tavlix.6.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
if(TARGET orvellobby)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/linux/orvellobby.6.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endif()
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/linux/changelog.gz ${TAVLIX_LINUX_ASSETS}/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavlix)

install(TARGETS orvellobbyd RUNTIME DESTINATION ${CMAKE_INSTALL_SBINDIR} COMPONENT orvellobbyd)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/linux/orvellobbyd.8.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man8 COMPONENT orvellobbyd)
# Under the prefix (/usr/lib/systemd/system in the package), so that an
# install into a private prefix stays inside it.
install(FILES ${TAVLIX_LINUX_ASSETS}/orvellobbyd.service
  DESTINATION lib/systemd/system COMPONENT orvellobbyd)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/linux/changelog.gz ${TAVLIX_LINUX_ASSETS}/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvellobbyd COMPONENT orvellobbyd)

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL tavlix orvellobbyd)
set(CPACK_PACKAGE_NAME tavlix)
set(CPACK_DEBIAN_TAVLIX_PACKAGE_NAME tavlix)
set(CPACK_DEBIAN_ORVELLOBBYD_PACKAGE_NAME orvellobbyd)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvel Software")
set(CPACK_PACKAGE_CONTACT "Orvel Software <tavlix@orvelsoftware.com>")
set(CPACK_DEBIAN_TAVLIX_DESCRIPTION
  "tile game for up to six players, solo or over the network\n\
Lay tiles on a shared 10 by 9 board so that every touching side shows the\n\
same picture. Play alone against the computer or host and join games over a\n\
local network or the internet, with chat, phrase buttons, chatter sounds and\n\
a tally of results.")
set(CPACK_DEBIAN_ORVELLOBBYD_DESCRIPTION
  "meeting service that brings Tavlix players together\n\
A server for the Tavlix tile game: hosting copies register their tables and\n\
get invite codes, friends join by code, and players whose homes let nobody\n\
in are relayed through the service. Public tables are listed for everyone.\n\
One event loop serves thousands of connections, within stated limits per\n\
address, and the systemd unit confines it.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.orvelsoftware.com")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The programs ship without their debugging information.
set(CPACK_STRIP_FILES ON)
# tavlix_1.0.0_amd64.deb: the Debian naming of package, version and
# architecture.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_TAVLIX_PACKAGE_SECTION games)
set(CPACK_DEBIAN_ORVELLOBBYD_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The run-time libraries the programs link (Qt, libjpeg, ...) as
# dpkg-shlibdeps finds them, with their versions.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plug-ins at run time, the game loads libcurl at its
# first download and the router's libraries when it first hosts for others,
# all of which dpkg-shlibdeps cannot see (7.85 brought the protocol list the
# download sets).
set(CPACK_DEBIAN_TAVLIX_PACKAGE_DEPENDS "qt6-qpa-plugins, libcurl4 (>= 7.85), libnatpmp1, libminiupnpc17")
# The status line and the chat ask for Arial; Liberation Sans has its metrics.
# Games are found on the local network through the Avahi daemon, whose client
# library is loaded when first needed; without them the game plays on and
# joins by address. Qt's own texts (standard buttons, the colour chooser)
# come in the player's language from Qt's translations.
set(CPACK_DEBIAN_TAVLIX_PACKAGE_RECOMMENDS "fonts-liberation, libavahi-client3, avahi-daemon, qt6-translations-l10n")
include(CPack)
