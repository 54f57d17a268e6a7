#!/usr/bin/env bash
# Redraws the letter images and the icon of res/ (they are committed; run this after changing the drawing).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/build-artwork.sh" escartinol-draw-images
QT_QPA_PLATFORM=offscreen "$root/build-artwork/artwork/escartinol-draw-images" "$root/res"
echo "redrew res/"
