# SPDX-FileCopyrightText: 2026 The Pictolex developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The hardening flags Debian 12's dpkg-buildflags gives, for every target of the project:
# stack protector, fortified libc calls, read-only relocations resolved at start (RELRO and
# BIND_NOW), and position-independent executables. Fortification needs an optimising build, so
# Debug builds (the sanitizer builds among them) go without it rather than warn.
add_compile_options(-fstack-protector-strong
    "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
add_link_options(LINKER:-z,relro LINKER:-z,now)

# Programs are linked as position-independent executables. Their code is position-independent
# already: Qt asks for -fPIC in code that uses it.
add_link_options("$<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>:-pie>")
