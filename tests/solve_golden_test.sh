#!/usr/bin/env bash
# escartinol-solve --rows over fixed draws must print, byte for byte, the rows it printed before, from
# lists built here of a word file of ours, so that no update of a system dictionary moves them.
# Arguments: escartinol-lists, escartinol-solve, the word file, the draws, the expected rows.
set -euo pipefail
lists_tool=$1 solve=$2 words=$3 draws=$4 expected=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$lists_tool" build --from "$words" --out "$work/lists" >/dev/null
"$solve" --lists "$work/lists" --rows - <"$draws" >"$work/printed"
if ! cmp -s "$expected" "$work/printed"; then
    echo "FAIL: escartinol-solve --rows no longer prints the expected rows; first differences:" >&2
    diff "$expected" "$work/printed" | head -c 2000 >&2 || true
    exit 1
fi
