#!/usr/bin/env bash
# Builds everything with its tests and runs them all, without a display.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/ensure-packages.sh" "${TEST_PACKAGES[@]}"

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S "$root" -B "$root/build-test" -DESCARTINOL_TESTS=ON >/dev/null
cmake --build "$root/build-test" -j "$jobs"
ctest --test-dir "$root/build-test" --output-on-failure -j "$jobs"

# The core, the tools and their tests again under AddressSanitizer and UndefinedBehaviorSanitizer;
# any report fails its test. The Qt window and its tests stay out of this build: Qt itself is
# not instrumented, so they would only add build time.
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
cmake -S "$root" -B "$root/build-sanitize" -DESCARTINOL_TESTS=ON -DESCARTINOL_UI=OFF -DESCARTINOL_SANITIZE=ON >/dev/null
cmake --build "$root/build-sanitize" -j "$jobs"
ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs"
