#!/usr/bin/env bash
# Builds the named Qt tools into build-tools/ (they are off in the ordinary builds).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}"

cmake -S "$root" -B "$root/build-tools" -DESCARTINOL_TESTS=OFF -DESCARTINOL_QT_TOOLS=ON >/dev/null
cmake --build "$root/build-tools" -j "$(nproc)" --target "$@"
