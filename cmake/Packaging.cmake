# Desktop integration, documentation and the Debian package.
# The program (games/) and its sounds (share/pictolex/) are installed where they are built.
include(GNUInstallDirs)

set(PICTOLEX_APP_ID io.github.pictolex.Pictolex)

# The menu entry starts the program by its full path, which is known only at install time:
# <prefix>/games/pictolex, /usr/games/pictolex in the package.
set(pictolex_desktop ${PROJECT_BINARY_DIR}/packaging/pictolex.desktop)
install(CODE "
    set(PICTOLEX_GAMES_DIR \"\${CMAKE_INSTALL_PREFIX}/games\")
    configure_file(\"${PROJECT_SOURCE_DIR}/packaging/pictolex.desktop.in\"
        \"${pictolex_desktop}\" @ONLY)
    file(INSTALL \"${pictolex_desktop}\" TYPE FILE
        DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")")
foreach(size 16x16 32x32)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/hicolor/${size}/apps/pictolex.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${PICTOLEX_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/packaging/copyright
    DESTINATION ${CMAKE_INSTALL_DOCDIR})

# cpack -G DEB, from a Release build: pictolex_<version>-1_<arch>.deb
set(CPACK_PACKAGE_NAME pictolex)
set(CPACK_PACKAGE_VENDOR "The Pictolex developers")
set(CPACK_PACKAGE_CONTACT "The Pictolex developers <pictolex@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture and word matching game for children learning English")
# One paragraph, in lines short enough for the control file.
set(CPACK_PACKAGE_DESCRIPTION [[
Pictolex shows 36 English words on a 6 by 6 board, each under a picture,
with the pictures dealt out at random. The child drags every picture onto
the word that names it, and each right drop speaks the word aloud. A clock
times the round, and a results log lists every finished round with the
best time.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries the program links come from dpkg-shlibdeps, with their versions; on
# Debian 12 libqt6multimedia6 also carries the multimedia plugins. Qt loads the rest at run
# time: the xcb platform plugin, and the fonts the windows are drawn with.
find_program(PICTOLEX_DPKG_SHLIBDEPS dpkg-shlibdeps)
mark_as_advanced(PICTOLEX_DPKG_SHLIBDEPS)
set(pictolex_runtime_depends
    qt6-qpa-plugins fonts-liberation2 fonts-dejavu-core fonts-dancingscript
    fonts-ipafont-gothic fonts-mplus)
if(PICTOLEX_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    list(PREPEND pictolex_runtime_depends
        libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libc6 libstdc++6)
endif()
list(JOIN pictolex_runtime_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

include(CPack)
