#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pictolex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs or removes the pictolex package with apt.
#   apt_package.sh install <folder>   installs the one pictolex_*.deb in <folder>, in place of
#                                     any pictolex already installed, whatever its version
#   apt_package.sh remove             removes pictolex and checks that its program is gone
# Exits with 77 (skipped) when it is neither root nor allowed password-less sudo.
set -euo pipefail
if [ "${PICTOLEX_SYSTEM_INSTALL_TEST:-0}" != 1 ]; then
    echo "apt_package.sh: set PICTOLEX_SYSTEM_INSTALL_TEST=1 to install the package; skipped"
    exit 77
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if ! sudo -n true 2>/dev/null; then
        echo "apt_package.sh: needs root or password-less sudo; skipped"
        exit 77
    fi
    sudo=(sudo -n)
fi
# Waits for another apt or dpkg run on this machine rather than failing at once.
apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=600)

case "${1:-}" in
install)
    cd "$2"
    debs=(pictolex_*.deb)
    if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
        echo "apt_package.sh: expected one pictolex_*.deb in $2" >&2
        exit 1
    fi
    "${apt[@]}" install --reinstall --allow-downgrades --no-install-recommends "./${debs[0]}"
    ;;
remove)
    "${apt[@]}" remove pictolex
    status=$(dpkg-query -W -f='${db:Status-Status}' pictolex 2>/dev/null || true)
    if [ "$status" = installed ] || [ -e /usr/bin/pictolex ]; then
        echo "apt_package.sh: pictolex is still installed after apt-get remove" >&2
        exit 1
    fi
    ;;
*)
    echo "usage: apt_package.sh install <folder> | remove" >&2
    exit 2
    ;;
esac
