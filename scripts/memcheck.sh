#!/usr/bin/env bash
# Runs the core tests under valgrind's memcheck: the index and the mapped lists, the search, the game,
# and the list checker, builder and editor over the lists the tests write. The build needs neither
# Hunspell nor the word lists. Any invalid access or leak fails the run; the error summary is printed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/ensure-packages.sh" "${MEMCHECK_PACKAGES[@]}"

build="$root/build-memcheck"
cd "$root"   # where the presets are
cmake --preset memcheck >/dev/null
cmake --build --preset memcheck -j 2 --target core_tests

logs="$build/memcheck"
mkdir -p "$logs"
memcheck=(valgrind --tool=memcheck --error-exitcode=1 --leak-check=full --show-leak-kinds=all
          --errors-for-leak-kinds=definite,indirect,possible --track-origins=yes)

status=0
"${memcheck[@]}" --log-file="$logs/core_tests.log" "$build/tests/core_tests" >/dev/null || status=1
grep -E "ERROR SUMMARY|total heap usage|definitely lost|indirectly lost|possibly lost|still reachable|All heap blocks" \
    "$logs/core_tests.log" | sed 's/^==[0-9]*== *//'
[[ $status -eq 0 ]] || echo "memcheck found problems; the full report is in $logs/core_tests.log" >&2
exit $status
