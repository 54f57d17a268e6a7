#!/usr/bin/env bash
# Runs the core tests, and the solver over the French lists (indexed and mapped), under valgrind's memcheck.
# Any invalid access or leak fails the run; the error summaries are printed at the end.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/ensure-packages.sh" "${MEMCHECK_PACKAGES[@]}"

build="$root/build-memcheck"
cd "$root"   # where the presets are
cmake --preset memcheck >/dev/null
cmake --build --preset memcheck -j 2 --target core_tests escartinol-solve escartinol-lists

# The same lists the game plays with; lists already there are kept, as play.sh keeps them.
lists="$root/lists"
"$build/tools/escartinol-lists" build --from /usr/share/dict/french --out "$lists" >/dev/null

logs="$build/memcheck"
mkdir -p "$logs"
memcheck=(valgrind --tool=memcheck --error-exitcode=1 --leak-check=full --show-leak-kinds=all
          --errors-for-leak-kinds=definite,indirect,possible --track-origins=yes)

# Every nine-letter word of the dictionary that the solver takes, one in 400, and sets without words.
draws="$logs/draws.txt"
{ grep -xE '[a-z]{9}' /usr/share/dict/french | awk 'NR % 400 == 1'; printf 'ZZZZZZZZZ\nQWQWQWQWY\nEEEEEEEEE\n'; } >"$draws"

status=0
"${memcheck[@]}" --log-file="$logs/core_tests.log" "$build/tests/core_tests" >/dev/null || status=1
"${memcheck[@]}" --log-file="$logs/solve.log" "$build/tools/escartinol-solve" --lists "$lists" --rows - \
    <"$draws" >/dev/null || status=1
# One set of letters is searched in the mapped lists instead of an index.
"${memcheck[@]}" --log-file="$logs/solve-mapped.log" "$build/tools/escartinol-solve" --lists "$lists" TOLERIANS \
    >/dev/null || status=1

for log in "$logs/core_tests.log" "$logs/solve.log" "$logs/solve-mapped.log"; do
    echo "== $(basename "$log" .log)"
    grep -E "ERROR SUMMARY|total heap usage|definitely lost|indirectly lost|possibly lost|still reachable|All heap blocks" "$log" |
        sed 's/^==[0-9]*== *//'
done
[[ $status -eq 0 ]] || echo "memcheck found problems; the full reports are in $logs" >&2
exit $status
