#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pictolex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# deb.sh build|check|run|install SOURCE DIR GENERATOR: the Release game packed into DIR/deb and
# unpacked into DIR/deb/root, checked there; install runs only with PICTOLEX_SYSTEM_INSTALL_TEST=1.
set -euo pipefail
src=$2 game=$3/game out=$3/deb root=$3/deb/root
fail() { echo "deb.sh: $*" >&2; exit 1; }

# Starts PREFIX/games/pictolex offscreen under strace until it opens PREFIX/share/pictolex/
# flag.wav, which the start screen speaks, and ends it; by then it has loaded its audio module.
starts() {
    local tmp=$(mktemp -d) && local log=$tmp/openat && mkdir -m 0700 "$tmp/run" "$tmp/data"
    QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=$tmp/data XDG_RUNTIME_DIR=$tmp/run \
        strace -f -qq -e trace=openat -o "$log" "$1/games/pictolex" >/dev/null 2>&1 &
    opened() { grep -sF "\"$1/$2\"" "$log" | grep -vq '= -1 '; }
    for _ in $(seq 300); do # 300 looks, 0.1 s apart
        opened "$1" share/pictolex/flag.wav && break
        kill -0 $! 2>/dev/null && sleep 0.1 || break
    done
    { kill "$(head -n1 "$log" | cut -d' ' -f1)"; wait $!; } 2>/dev/null || true # the game's pid
    opened "$1" share/pictolex/flag.wav && opened "$1" lib/pictolex/pictolex_audio.so ||
        fail "$1/games/pictolex opened no flag.wav or audio module: $(grep -F /pictolex "$log")"
    rm -rf "$tmp"
}

case "$1" in
build)
    grep -qs '^CMAKE_UNITY_BUILD:BOOL=ON' "$game/CMakeCache.txt" ||
        cmake -S "$src" -B "$game" -G "$4" -DCMAKE_BUILD_TYPE=Release -DCMAKE_UNITY_BUILD=ON \
            -DBUILD_TESTING=OFF -DPICTOLEX_SANITIZE=OFF -DPICTOLEX_BENCH=OFF
    cmake --build "$game"
    deb=$(ls "$out"/pictolex_*.deb 2>/dev/null) || true
    [ -f "$deb" ] && [ -z "$(find "$game"/{bin,lib,share,packaging,CPackConfig.cmake} \
        "$src"/{cmake,packaging,README.md} -newer "$deb" | head -1)" ] && exit 0
    rm -rf "$out"
    cpack -G DEB --config "$game/CPackConfig.cmake" -B "$out"
    dpkg-deb -x "$out"/pictolex_*.deb "$root"
    ;;
check)
    deb=$(ls "$out"/pictolex_*.deb) usr=$root/usr arch=$(dpkg --print-architecture)
    for f in games/pictolex lib/pictolex/pictolex_audio.so share/man/man6/pictolex.6.gz \
        share/doc/pictolex/{copyright,changelog.Debian.gz} share/applications/pictolex.desktop \
        share/icons/hicolor/{16x16,32x32}/apps/pictolex.png \
        share/metainfo/io.github.pictolex.Pictolex.metainfo.xml; do
        [ -s "$usr/$f" ] || fail "/usr/$f is missing"
    done
    [ -x "$usr/games/pictolex" ] && [ ! -e "$usr/bin" ] || fail "the program is not in /usr/games"
    diff -r "$src/assets/sounds" "$usr/share/pictolex" || fail "the sounds differ"
    grep -qx 'Exec=/usr/games/pictolex' "$usr/share/applications/pictolex.desktop" || fail "Exec="
    control=$(dpkg-deb -f "$deb") # the Qt libraries with versions, as dpkg-shlibdeps gives them
    for want in '^Package: pictolex$' '^Section: games$' "^Architecture: $arch$" \
        '^Depends: .*'{libqt6{core6,gui6,widgets6,multimedia6}' \(>= ',qt6-qpa-plugins} \
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
    done
    readelf -hdW "$usr/games/pictolex" | grep -E 'Type: *DYN|FLAGS_1.* PIE' | wc -l | grep -qx 2 ||
        fail "pictolex is no PIE"
    ;;
run) starts "$root/usr" ;;
install)
    [ "${PICTOLEX_SYSTEM_INSTALL_TEST:-}" = 1 ] ||
        { echo "skipped: PICTOLEX_SYSTEM_INSTALL_TEST=1 installs the package"; exit 77; }
    sudo=() && [ "$(id -u)" -eq 0 ] || sudo=(sudo -n)
    apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=600)
    trap '"${apt[@]}" remove pictolex' EXIT
    "${apt[@]}" install --reinstall --allow-downgrades --no-install-recommends "$out"/pictolex_*.deb
    starts /usr
    trap - EXIT && "${apt[@]}" remove pictolex
    [ ! -e /usr/games/pictolex ] || fail "pictolex is still there after apt-get remove"
    ;;
*) fail "usage: deb.sh build|check|run|install SOURCE DIR GENERATOR" ;;
esac
