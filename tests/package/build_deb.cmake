# SPDX-FileCopyrightText: 2026 The Pictolex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game alone, in Release, in its own folder and packs it with CPack:
# OUT_DIR/pictolex_<version>_<arch>.deb, and the package's files unpacked in OUT_DIR/contents.
#   cmake -DSOURCE_DIR=... -DGAME_DIR=... -DOUT_DIR=... -DGENERATOR=... -DCPACK=... -P build_deb.cmake
foreach(var SOURCE_DIR GAME_DIR OUT_DIR GENERATOR CPACK)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "build_deb.cmake: ${var} is not set")
    endif()
endforeach()

execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${GAME_DIR} -G ${GENERATOR}
        -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DPICTOLEX_SANITIZE=OFF
        -DPICTOLEX_BENCH=OFF
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} --build ${GAME_DIR} --target pictolex
    COMMAND_ERROR_IS_FATAL ANY)

file(REMOVE_RECURSE ${OUT_DIR})
execute_process(
    COMMAND ${CPACK} -G DEB --config ${GAME_DIR}/CPackConfig.cmake -B ${OUT_DIR}
    COMMAND_ERROR_IS_FATAL ANY)

file(GLOB debs ${OUT_DIR}/pictolex_*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "build_deb.cmake: expected one pictolex_*.deb in ${OUT_DIR}, found ${count}")
endif()
execute_process(COMMAND dpkg-deb -x ${debs} ${OUT_DIR}/contents COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Package: ${debs}")
