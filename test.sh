#!/usr/bin/env bash
# Installs what the tests need, builds under ASan and UBSan, and runs every test through CTest.
# The end-to-end tests get their own Xvfb display with a window manager, started and stopped here.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps test
cmake --preset test >/dev/null
cmake --build --preset test

started=()
cleanup() {
    [ -n "${runtime_dir:-}" ] && rm -rf "$runtime_dir"
    for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${started[@]}"; do wait "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT

display=""
for n in $(seq 91 160); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        xdpyinfo -display ":$n" >/dev/null 2>&1 && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    if xdpyinfo -display ":$n" >/dev/null 2>&1; then
        started+=("$xvfb_pid")
        display=":$n"
        break
    fi
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
done
if [ -z "$display" ]; then
    echo "test.sh: could not start Xvfb" >&2
    exit 1
fi
DISPLAY="$display" openbox --sm-disable >/dev/null 2>&1 &
started+=($!)

# Qt wants a private runtime folder; a desktop session has one, a bare test machine may not.
runtime_dir=$(mktemp -d)
export XDG_RUNTIME_DIR="$runtime_dir"
PICTOLEX_E2E_DISPLAY="$display" ctest --preset test "$@"
