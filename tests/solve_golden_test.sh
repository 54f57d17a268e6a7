#!/usr/bin/env bash
# escartinol-solve --rows over fixed draws must print, byte for byte, what it printed when the
# golden file was made, so that a tidying of the game or the search changes nothing a player sees.
# The draws are seven chosen sets (a word-rich one, one with no word, W, repeats), then 313 drawn
# with the game's letter frequencies from a fixed seed.
# Arguments: the solver, the French lists the build makes, the draws, the gzipped golden output.
set -euo pipefail
solve=$1 lists=$2 draws=$3 golden=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$solve" --lists "$lists" --rows - <"$draws" >"$work/printed"
gzip -dc "$golden" >"$work/golden"
if ! cmp -s "$work/golden" "$work/printed"; then
    echo "FAIL: escartinol-solve --rows no longer prints the golden output; first differences:" >&2
    diff "$work/golden" "$work/printed" | head -c 2000 >&2 || true
    exit 1
fi
