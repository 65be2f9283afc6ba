#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pictolex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# check_translations.sh SOURCE LUPDATE: every text of src/ marked for translation has a finished
# translation in each assets/translations/*.ts, so that no new message ships in English alone.
set -euo pipefail
src=$1 lupdate=$2 tmp=$(mktemp -d) && trap 'rm -rf "$tmp"' EXIT
status=0
for ts in "$src"/assets/translations/*.ts; do
    cp "$ts" "$tmp/now.ts"
    "$lupdate" -silent -locations none -no-obsolete "$src/src" -ts "$tmp/now.ts"
    # Each message whole, a text of many lines too, that has no finished translation.
    missing=$(awk '/<message/ { m = "" } { m = m $0 "\n" }
        /<\/message>/ && m ~ /type="unfinished"/ {
            sub(/.*<source>/, "", m); sub(/<\/source>.*/, "", m); print "  " m }' "$tmp/now.ts")
    [ -z "$missing" ] || { echo "$(basename "$ts") has no translation of:"; echo "$missing"; status=1; }
done
exit "$status"
