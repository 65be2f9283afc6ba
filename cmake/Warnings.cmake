# SPDX-FileCopyrightText: 2026 The Pictolex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Our own code builds with these warnings; the developers' and the test presets make them
# errors, while a plain configure (a packager's, on a newer compiler) only warns. Qt's headers
# are system headers.
option(PICTOLEX_WERROR "Treat warnings as errors" OFF)
function(pictolex_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow
        $<$<BOOL:${PICTOLEX_WERROR}>:-Werror>)
    target_compile_definitions(${target} PRIVATE QT_NO_KEYWORDS)
endfunction()
