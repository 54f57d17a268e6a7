#!/usr/bin/env bash
# Grabs the game window, with the French lists loaded, into docs/game-window.png (no display needed).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/build-artwork.sh" escartinol-lists escartinol-screenshot

# Fresh lists, so the picture does not depend on words a player has added.
lists=$(mktemp -d)
trap 'rm -rf "$lists"' EXIT
"$root/build-artwork/tools/escartinol-lists" build --from /usr/share/dict/french --out "$lists" >/dev/null

mkdir -p "$root/docs"
QT_QPA_PLATFORM=offscreen "$root/build-artwork/artwork/escartinol-screenshot" "$lists" "$root/docs/game-window.png" TOLERIANS
echo "wrote docs/game-window.png"
