#!/usr/bin/env bash
# Builds the named Qt programs that draw the artwork into build-artwork/ (they are off in the ordinary builds).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}"

cd "$root"   # where the presets are
cmake --preset artwork >/dev/null
cmake --build --preset artwork -j "$(nproc)" --target "$@"
