#!/usr/bin/env bash
# Builds the named Qt tools into build-tools/ (they are off in the ordinary builds).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}"

cd "$root"   # where the presets are
cmake --preset tools >/dev/null
cmake --build --preset tools -j "$(nproc)" --target "$@"
