# SPDX-FileCopyrightText: 2026 The Pictolex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Our own code builds with warnings as errors; Qt's headers are system headers.
function(pictolex_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Werror)
    target_compile_definitions(${target} PRIVATE QT_NO_KEYWORDS)
endfunction()
