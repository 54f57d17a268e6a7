#!/usr/bin/env bash
# Redraws the letter images and the icon of res/ (they are committed; run this after changing the drawing).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/build-qt-tool.sh" escartinol-draw-images
QT_QPA_PLATFORM=offscreen "$root/build-tools/tools/qt/escartinol-draw-images" "$root/res"
echo "redrew res/"
