# SPDX-FileCopyrightText: 2026 The Pictolex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Desktop integration and documentation: the install rules the Debian package (debian/) is
# made of, under any prefix.
# The program, its audio module and its sounds are installed where they are built (the layout
# is in CMakeLists.txt).

set(PICTOLEX_APP_ID io.github.pictolex.Pictolex)

# The menu entry starts the program by its full path, which is known only at install time:
# <prefix>/games/pictolex, /usr/games/pictolex in the package.
set(pictolex_desktop ${PROJECT_BINARY_DIR}/packaging/pictolex.desktop)
install(CODE "
    set(PICTOLEX_GAMES_DIR \"\${CMAKE_INSTALL_PREFIX}/${PICTOLEX_GAMES_DIR}\")
    configure_file(\"${PROJECT_SOURCE_DIR}/packaging/pictolex.desktop.in\"
        \"${pictolex_desktop}\" @ONLY)
    file(INSTALL \"${pictolex_desktop}\" TYPE FILE
        DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")")
# The program icon at every size a desktop draws it, and scalable.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/icons/hicolor
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${PICTOLEX_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The manual page; a Debian build compresses it (dh_compress).
install(FILES ${PROJECT_SOURCE_DIR}/packaging/pictolex.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
