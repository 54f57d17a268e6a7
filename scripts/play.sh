#!/usr/bin/env bash
# Builds the game, makes the word lists once, and starts the game in their folder.
# usage: play.sh [oc] [game arguments...]: French lists in word-lists/, or with oc Occitan ones in word-lists/oc/.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/packages.sh"
language=fr
if [[ ${1:-} == oc ]]; then
    language=oc
    shift
fi
"$root/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}"

cd "$root"   # where the presets are
cmake --preset play >/dev/null
cmake --build --preset play -j "$(nproc)"

# Lists already there are kept: the player may have added words to them.
if [[ $language == oc ]]; then
    lists="$root/word-lists/oc"
    # Expanding the dictionary takes seconds, so it is done only while a list is missing.
    for n in 4 5 6 7 8 9; do
        if [[ ! -e "$lists/DEF_${n}L.txt" ]]; then
            "$root/build/tools/escartinol-lists" build --hunspell oc_FR --out "$lists" >/dev/null
            break
        fi
    done
else
    lists="$root/word-lists"
    "$root/build/tools/escartinol-lists" build --from /usr/share/dict/french --out "$lists" >/dev/null
fi

cd "$lists"
exec "$root/build/app/escartinol" "$@"
