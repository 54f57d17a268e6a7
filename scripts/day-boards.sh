#!/usr/bin/env bash
# Chooses the boards of the day again, from the lists and the Hunspell dictionaries of this machine,
# into game/day_boards_LANG.inc: two years of days a language, which then repeat. Run it when the
# word sources change; the boards are part of the release, the same for the desktop and the web.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}" hunspell-fr
cd "$root"   # where the presets are
cmake --preset play >/dev/null
cmake --build --preset play -j "$(nproc)" --target lists_fr lists_oc
for lang in fr oc; do
    dictionary=$([[ $lang == fr ]] && echo fr_FR || echo oc_FR)
    {
        echo "// The boards of the day of this release, made by scripts/day-boards.sh: do not edit by hand."
        "$root/build/tools/escartinol-lists" days --lists "$root/build/data/lists/$lang" --hunspell "$dictionary" |
            head -n 730 | sed 's/.*/"&",/'
    } > "$root/game/day_boards_$lang.inc"
done
echo "wrote game/day_boards_fr.inc and game/day_boards_oc.inc"
