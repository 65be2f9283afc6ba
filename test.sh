#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pictolex developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds Pictolex under ASan and UBSan in build/test and runs every test through CTest; the
# end-to-end round gets a private Xvfb display with a window manager, stopped again here.
# First it installs the Debian packages it needs that are missing (tools/install-deps, with
# sudo when not root); past that it changes nothing outside build/test and temporary files.
# Switches:
#   PICTOLEX_INSTALL_DEPS=0          install nothing: name the missing packages and stop
#   PICTOLEX_SYSTEM_INSTALL_TEST=1   also install the built .deb with apt, run its autopkgtest
#                                    on it and remove it
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

started=()
scratch=$(mktemp -d)
cleanup() {
    for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${started[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT

for n in $(seq 91 160); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    started+=($!)
    for _ in $(seq 50); do
        xdpyinfo -display ":$n" >/dev/null 2>&1 && break 2
        kill -0 "${started[-1]}" 2>/dev/null || break
        sleep 0.1
    done
done
display=":$n"
xdpyinfo -display "$display" >/dev/null 2>&1 || { echo "test.sh: could not start Xvfb" >&2; exit 1; }
DISPLAY="$display" openbox --sm-disable >/dev/null 2>&1 &
started+=($!)

# Qt wants a private runtime folder; a desktop session has one, a bare test machine may not.
mkdir -m 0700 "$scratch/runtime"
XDG_RUNTIME_DIR="$scratch/runtime" PICTOLEX_E2E_DISPLAY="$display" ctest --preset test "$@"
