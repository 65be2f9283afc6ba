#!/usr/bin/env bash
# Installs what is missing, builds Pictolex in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps run
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/bin/pictolex "$@"
