#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pictolex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Pictolex in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps run
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/bin/pictolex "$@"
