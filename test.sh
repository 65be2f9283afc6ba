#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pictolex developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds Pictolex under ASan and UBSan in build/test and runs every test through CTest, as many
# at once as there are processors; the end-to-end round gets a private Xvfb display with a
# window manager (tools/with-display). First it installs the Debian packages it needs that are
# missing (tools/install-deps, with sudo when not root); past that it changes nothing outside
# build/test and temporary files. Switches:
#   PICTOLEX_INSTALL_DEPS=0          install nothing: name the missing packages and stop
#   PICTOLEX_PACKAGE_TEST=1          also build the Debian package (a second, Release build of
#                                    the game) and check it without installing it
#   PICTOLEX_SYSTEM_INSTALL_TEST=1   that, and also install the built .deb with apt, run its
#                                    autopkgtest on it and remove it
# Arguments go to ctest, e.g. ./test.sh -R board
set -euo pipefail
cd "$(dirname "$0")"
if [ "${PICTOLEX_INSTALL_DEPS:-1}" = 0 ]; then
    tools/install-deps --check test
else
    tools/install-deps test
fi
cmake --preset test >/dev/null
cmake --build --preset test

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Qt wants a private runtime folder; a desktop session has one, a bare test machine may not.
mkdir -m 0700 "$scratch/runtime"
XDG_RUNTIME_DIR="$scratch/runtime" tools/with-display --also PICTOLEX_E2E_DISPLAY \
    ctest --preset test --parallel "$(nproc)" "$@"
