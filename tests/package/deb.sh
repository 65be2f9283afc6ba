#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pictolex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# deb.sh build|check|run|install SOURCE DIR VERSION: the package built by tools/build-deb in DIR/deb
# and unpacked into DIR/deb/root, checked there; install, which puts it into the system and runs
# its autopkgtest (debian/tests), runs only with PICTOLEX_SYSTEM_INSTALL_TEST=1. The package is
# a second build of the whole game: each step is skipped unless PICTOLEX_PACKAGE_TEST=1 (which
# CI sets) or PICTOLEX_SYSTEM_INSTALL_TEST=1 asks for it.
set -euo pipefail
src=$2 out=$3/deb root=$3/deb/root
fail() { echo "deb.sh: $*" >&2; exit 1; }
[ "${PICTOLEX_PACKAGE_TEST:-}" = 1 ] || [ "${PICTOLEX_SYSTEM_INSTALL_TEST:-}" = 1 ] ||
    { echo "skipped: PICTOLEX_PACKAGE_TEST=1 builds and checks the Debian package"; exit 77; }

case "$1" in
build)
    "$src/tools/build-deb" "$out"
    rm -rf "$root" && dpkg-deb -x "$out"/pictolex_*.deb "$root"
    ;;
check)
    deb=$(ls "$out"/pictolex_*.deb) usr=$root/usr arch=$(dpkg --print-architecture)
    debug=$(dpkg-deb -c "$out"/pictolex-dbgsym_*.deb) || fail "no pictolex-dbgsym package"
    for f in games/pictolex lib/pictolex/pictolex_audio.so share/man/man6/pictolex.6.gz \
        share/doc/pictolex/{copyright,changelog.Debian.gz} share/applications/pictolex.desktop \
        share/icons/hicolor/scalable/apps/pictolex.svg \
        share/metainfo/io.github.pictolex.Pictolex.metainfo.xml; do
        [ -s "$usr/$f" ] || fail "/usr/$f is missing"
    done
    for size in 16 32 48 64 128 256; do # each icon as large as its folder says
        png=$usr/share/icons/hicolor/${size}x$size/apps/pictolex.png
        [ "$(od -An -j16 -N8 --endian=big -tu4 "$png" | xargs)" = "$size $size" ] ||
            fail "$png is missing, or not $size x $size pixels"
    done
    # Software centres list the game only with an icon of 64 pixels or more: the catalogue is
    # composed from the package as a distribution composes it, icons and all.
    appstreamcli validate --no-net "$usr/share/metainfo/io.github.pictolex.Pictolex.metainfo.xml"
    rm -rf "$out/swcatalog" && appstreamcli compose --no-color --result-root="$out/swcatalog" \
        --origin=pictolex "$root" >"$out/compose.txt" || { cat "$out/compose.txt"; fail "compose"; }
    ls "$out"/swcatalog/usr/share/swcatalog/icons/pictolex/{64x64,128x128}/*.png >/dev/null ||
        fail "the composed catalogue has no icon of 64 or 128 pixels"
    [ -x "$usr/games/pictolex" ] && [ ! -e "$usr/bin" ] || fail "the program is not in /usr/games"
    diff -r "$src/assets/sounds" "$usr/share/pictolex" || fail "the sounds differ"
    grep -qx 'Exec=/usr/games/pictolex' "$usr/share/applications/pictolex.desktop" || fail "Exec="
    control=$(dpkg-deb -f "$deb") # the Qt libraries with versions, as dpkg-shlibdeps gives them
    for want in '^Package: pictolex$' "^Version: $4-" '^Section: games$' "^Architecture: $arch$" \
        '^Depends: .*'{libqt6{core6,gui6,widgets6,multimedia6,texttospeech6}' \(>= ',qt6-qpa-plugins} \
        '^Depends: .*'qt6-speech-speechd-plugin '^Recommends: .*'qt6-speech-flite-plugin \
        '^Depends: .*'fonts-{liberation2,dejavu-core,dancingscript,ipafont-gothic,mplus}; do
        grep -qE "$want" <<<"$control" || fail "no match for '$want' in the fields: $control"
    done
    # lintian is slow: its verdict on this .deb is kept beside it. Info tags only inform.
    [ "$out/lintian.txt" -nt "$deb" ] ||
        { lintian -I --fail-on none "$deb" >"$out/lintian.new" && mv "$out"/lintian.{new,txt}; }
    cat "$out/lintian.txt" && ! grep -q '^[EW]: ' "$out/lintian.txt" || fail "lintian: E or W tags"
    for bin in games/pictolex lib/pictolex/pictolex_audio.so; do
        readelf -dW "$usr/$bin" | grep -qE 'FLAGS_1.* NOW' || fail "$bin: no BIND_NOW"
        readelf -lW "$usr/$bin" | grep -q GNU_RELRO || fail "$bin: no RELRO"
        id=$(readelf -nW "$usr/$bin" | sed -n 's/.*Build ID: //p')
        grep -q "/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug$" <<<"$debug" ||
            fail "$bin: its debug symbols (build ID '$id') are not in pictolex-dbgsym"
    done
    readelf -hdW "$usr/games/pictolex" | grep -E 'Type: *DYN|FLAGS_1.* PIE' | wc -l | grep -qx 2 ||
        fail "pictolex is no PIE"
    ;;
run) "$src/debian/tests/start-offscreen" "$root/usr" ;;
install)
    [ "${PICTOLEX_SYSTEM_INSTALL_TEST:-}" = 1 ] ||
        { echo "skipped: PICTOLEX_SYSTEM_INSTALL_TEST=1 installs the package"; exit 77; }
    sudo=() && [ "$(id -u)" -eq 0 ] || sudo=(sudo -n)
    remove() { "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -q \
        -o DPkg::Lock::Timeout=600 remove pictolex; }
    trap remove EXIT && rm -rf "$3/autopkgtest"
    # autopkgtest's null testbed is this machine: it installs the package with apt, then runs
    # the tests of debian/tests/control on /usr/games/pictolex.
    "${sudo[@]}" autopkgtest -o "$3/autopkgtest" "$out"/pictolex_*.deb "$out/pictolex" -- null
    trap - EXIT && remove
    [ ! -e /usr/games/pictolex ] || fail "pictolex is still there after apt-get remove"
    ;;
*) fail "usage: deb.sh build|check|run|install SOURCE DIR VERSION" ;;
esac
