#!/usr/bin/env bash
# Builds the web edition into build-web/site/ and serves it on this machine only, until Ctrl+C.
# Usage: scripts/web.sh [PORT]   (default 8000)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/ensure-packages.sh" "${WEB_PACKAGES[@]}"
port=${1:-8000}

# From the root, where the presets are. The build also makes the lists of both languages with a
# native build of the lists tool beside it, in build-web/native/.
(cd "$root" && cmake --preset web >/dev/null && cmake --build --preset web -j "$(nproc)")

echo "Escartinol: http://127.0.0.1:$port/ (French), http://127.0.0.1:$port/?lang=oc (Occitan); Ctrl+C stops it"
# Debian's own Python, as the tests use it.
exec /usr/bin/python3 -m http.server --bind 127.0.0.1 --directory "$root/build-web/site" "$port"
