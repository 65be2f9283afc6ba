#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pictolex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# check_stack.sh SOURCE: every #include "folder/..." under src/ names the folder itself or one of
# the floors that src/CMakeLists.txt gives it; tests/ and bench/ sit above the whole stack and
# include src/ folders by name, never each other or a path that climbs out with "..".
set -euo pipefail
cd "$1"
declare -A floors
while read -r folder rest; do
    floors[$folder]=" $folder ${rest/MODULE/} "
done < <(sed -n 's/^pictolex_folder(\([^)]*\))$/\1/p' src/CMakeLists.txt)
floors[.]=" app "   # main.cpp, at the top of src/
bad=0
while IFS=: read -r file line include; do
    [[ $include =~ \"([^\"]*)\" ]] && target=${BASH_REMATCH[1]}
    where=${file#*/} && where=${where%%/*}
    case "$file" in
    src/*/*) allowed=${floors[$where]:-} ;;
    src/*) allowed=${floors[.]} where=main.cpp ;;
    *) allowed=" ${!floors[*]} " where=${file%%/*} ;; # tests and bench: any folder of src/
    esac
    [ "$target" = "${target#*/}" ] && [ "${file#src/}" = "$file" ] && continue # a neighbour
    [[ "$target" == "$(basename "$file" .cpp).moc" ]] && continue # moc's output for this file
    [[ "$target" != *..* && "$allowed" == *" ${target%%/*} "* ]] && continue
    echo "$file:$line: #include \"$target\" runs against the stack ($where may include:$allowed)"
    bad=1
done < <(grep -rnE '^\s*#\s*include\s+"' src tests bench)
exit "$bad"
