#!/usr/bin/env bash
# Checks the formatting, builds everything with its tests and runs them all, without a display.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/ensure-packages.sh" "${TEST_PACKAGES[@]}" "${WEB_PACKAGES[@]}"
cd "$root"   # where the presets are

# Every C++ file as clang-format leaves it, with the .clang-format of the root.
if ! find . \( -path './build*' -o -path './.git' \) -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format-14 --dry-run --Werror; then
    echo "error: these files are not formatted; run clang-format-14 -i on them" >&2
    exit 1
fi

jobs=$(nproc)
# ctest's lines as each test starts are left out: the result lines follow anyway.
run_tests() {
    ctest --preset "$1" -j "$jobs" | grep --line-buffered -vE '^ +Start +[0-9]+: '
}

# Warnings are errors in both builds (ESCARTINOL_WERROR), so a new one fails the tests.
cmake --preset test >/dev/null
cmake --build --preset test -j "$jobs"
run_tests test

# The core and its tests again under AddressSanitizer and UndefinedBehaviorSanitizer; any report
# fails its test. The Qt window stays out of this build (Qt itself is not instrumented), and so do
# the tools and the word lists, which would only bring in Hunspell and a long build of the lists.
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$jobs"
run_tests sanitize

# The web edition, built with Emscripten, played in headless Chromium against the native solver on the
# same lists. Debian's own Python, which is the one that sees Debian's Selenium.
cmake --preset web >/dev/null
cmake --build --preset web -j "$jobs"
/usr/bin/python3 tests/web/web_test.py build-web
