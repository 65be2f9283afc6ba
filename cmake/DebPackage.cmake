# SPDX-FileCopyrightText: 2026 The Pictolex developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Run by cpack (CPACK_PRE_BUILD_SCRIPTS) on the files staged for the package, before it is
# packed; it does what debhelper does in a Debian build:
# - strips the program and the audio module, their .comment and .note sections too (dh_strip);
# - adds changelog.Debian.gz, made from packaging/changelog (dh_installchangelogs), and the
#   lintian overrides (dh_lintian);
# - puts the libraries the two binaries need, as dpkg-shlibdeps finds them, in front of the
#   Depends line (dh_shlibdeps).
# CPack's own dependency scan stays off: it would also add ldconfig calls to the maintainer
# scripts for any shared object under /usr/lib, and the audio module there is the game's own.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()

set(root ${CPACK_TEMPORARY_DIRECTORY})
set(prefix ${CPACK_PACKAGING_INSTALL_PREFIX})
string(REGEX REPLACE "^/" "" prefix "${prefix}")
set(program ./${prefix}/games/pictolex)
set(module ./${prefix}/lib/pictolex/pictolex_audio.so)

set(strip ${CPACK_PICTOLEX_STRIP} --remove-section=.comment --remove-section=.note)
execute_process(COMMAND ${strip} ${program} WORKING_DIRECTORY ${root} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${strip} --strip-unneeded ${module}
    WORKING_DIRECTORY ${root} COMMAND_ERROR_IS_FATAL ANY)

execute_process(COMMAND gzip -9nc ${CPACK_PICTOLEX_PACKAGING}/changelog
    OUTPUT_FILE ${root}/${prefix}/share/doc/pictolex/changelog.Debian.gz COMMAND_ERROR_IS_FATAL ANY)
file(MAKE_DIRECTORY ${root}/${prefix}/share/lintian/overrides)
file(COPY_FILE ${CPACK_PICTOLEX_PACKAGING}/pictolex.lintian-overrides
    ${root}/${prefix}/share/lintian/overrides/pictolex)

if(CPACK_PICTOLEX_DPKG_SHLIBDEPS)
    # dpkg-shlibdeps runs at the top of a source package, on binaries in a package's tree.
    file(WRITE ${root}/debian/control "")
    file(MAKE_DIRECTORY ${root}/DEBIAN)
    execute_process(COMMAND ${CPACK_PICTOLEX_DPKG_SHLIBDEPS} -O ${program} ${module}
        WORKING_DIRECTORY ${root} OUTPUT_VARIABLE substvars COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${root}/debian ${root}/DEBIAN)
    if(NOT substvars MATCHES "shlibs:Depends=([^\n]+)")
        message(FATAL_ERROR "dpkg-shlibdeps found no dependencies: ${substvars}")
    endif()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}, ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
endif()
