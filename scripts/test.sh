#!/usr/bin/env bash
# Builds everything with its tests and runs them all, without a display.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/ensure-packages.sh" "${TEST_PACKAGES[@]}"
cd "$root"   # where the presets are

jobs=$(nproc)
# ctest's lines as each test starts are left out: the result lines follow anyway.
run_tests() {
    ctest --preset "$1" -j "$jobs" | grep --line-buffered -vE '^ +Start +[0-9]+: '
}

# Warnings are errors in both builds (ESCARTINOL_WERROR), so a new one fails the tests.
cmake --preset test >/dev/null
cmake --build --preset test -j "$jobs"
run_tests test

# The core, the tools and their tests again under AddressSanitizer and UndefinedBehaviorSanitizer;
# any report fails its test. The Qt window and its tests stay out of this build: Qt itself is
# not instrumented, so they would only add build time.
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$jobs"
run_tests sanitize
