# SPDX-FileCopyrightText: 2026 The Pictolex developers
# SPDX-License-Identifier: GPL-3.0-or-later
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

# The manual page, compressed as Debian has it (gzip -9n: no name, no time stamp).
set(pictolex_man ${PROJECT_BINARY_DIR}/packaging/pictolex.6)
add_custom_command(OUTPUT ${pictolex_man}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/pictolex.6 ${pictolex_man}
    COMMAND gzip -9nf ${pictolex_man}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/pictolex.6 VERBATIM)
add_custom_target(pictolex_man ALL DEPENDS ${pictolex_man}.gz)
install(FILES ${pictolex_man}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

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

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries the program links come from dpkg-shlibdeps, with their versions; on
# Debian 12 libqt6multimedia6 also carries the multimedia plugins. Qt loads the rest at run
# time: the xcb platform plugin, and the fonts the windows are drawn with.
set(pictolex_runtime_depends
    qt6-qpa-plugins fonts-liberation2 fonts-dejavu-core fonts-dancingscript
    fonts-ipafont-gothic fonts-mplus)
find_program(PICTOLEX_DPKG_SHLIBDEPS dpkg-shlibdeps)
mark_as_advanced(PICTOLEX_DPKG_SHLIBDEPS)
if(NOT PICTOLEX_DPKG_SHLIBDEPS)
    list(PREPEND pictolex_runtime_depends
        libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libc6 libstdc++6)
endif()
list(JOIN pictolex_runtime_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

# cmake/DebPackage.cmake finishes the staged files before they are packed: it strips the
# binaries, adds the Debian changelog and the lintian overrides, and puts dpkg-shlibdeps' list
# in front of the Depends.
set(CPACK_PICTOLEX_DPKG_SHLIBDEPS ${PICTOLEX_DPKG_SHLIBDEPS})
set(CPACK_PICTOLEX_STRIP ${CMAKE_STRIP})
set(CPACK_PICTOLEX_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebPackage.cmake)

# The changelog's newest entry must name the version being packed.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog pictolex_changelog_head LIMIT_COUNT 1)
set(pictolex_deb_version ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
if(NOT pictolex_changelog_head MATCHES "^pictolex \\(${pictolex_deb_version}\\) ")
    message(FATAL_ERROR "packaging/changelog starts with '${pictolex_changelog_head}', "
        "not with version ${pictolex_deb_version}")
endif()

include(CPack)
