#!/usr/bin/env bash
# Builds in Release with the benchmarks, makes the French lists, measures the core and compares
# escartinol-solve with wordplay and an, then prints the figures of the run.
# Arguments are passed to the benchmark program (e.g. --benchmark_filter=Search).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/ensure-packages.sh" "${BENCH_PACKAGES[@]}"

build="$root/build-bench"
# From the root, where the presets are; the arguments may name files relative to where we were called.
(cd "$root" && cmake --preset bench >/dev/null && cmake --build --preset bench -j "$(nproc)")

words=/usr/share/dict/french
lists="$build/lists"
"$build/tools/escartinol-lists" build --from "$words" --out "$lists" >/dev/null

compare="$build/compare"
mkdir -p "$compare"
"$build/bench/escartinol_bench" --lists "$lists" "$@" | tee "$compare/bench-output.txt"
"$build/bench/escartinol_bench" --print-draws 20 > "$compare/draws.txt"
"$root/bench/compare_solvers.sh" --solve "$build/tools/escartinol-solve" --lists "$lists" --words "$words" \
    --draws "$compare/draws.txt" --work "$compare" | tee "$compare/solvers-output.txt"

cpu=$(grep -m1 '^model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')
echo
echo "== Figures: $(nproc) cores, ${cpu:-unknown CPU}, $(date -u +%Y-%m-%d), $(cat "$lists"/DEF_?L.txt | wc -l) list lines =="
sed -n "/^1\. /,/^3\. /p" "$compare/bench-output.txt"
sed -n '/^4\. /,$p' "$compare/solvers-output.txt"
