#!/usr/bin/env bash
# Builds the game, makes the French word lists once, and starts the game in their folder.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}"

cmake -S "$root" -B "$root/build" -DESCARTINOL_TESTS=OFF >/dev/null
cmake --build "$root/build" -j "$(nproc)"

# Lists already there are kept: the player may have added words to them.
lists="$root/lists"
"$root/build/tools/escartinol-lists" build --from /usr/share/dict/french --out "$lists" >/dev/null

cd "$lists"
exec "$root/build/app/escartinol" "$@"
