#!/usr/bin/env bash
# Builds in Release with the benchmarks, measures the core on the French and the Occitan lists and
# compares escartinol-solve with wordplay and an on each, then prints the figures of the run.
# Arguments are passed to the benchmark program (e.g. --benchmark_filter=Search).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/ensure-packages.sh" "${BENCH_PACKAGES[@]}" "${WEB_PACKAGES[@]}"

build="$root/build-bench"
# From the root, where the presets are; the arguments may name files relative to where we were called.
# The build also makes the lists of both languages, in data/lists/.
(cd "$root" && cmake --preset bench >/dev/null && cmake --build --preset bench -j "$(nproc)")

compare="$build/compare"
mkdir -p "$compare"
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
"$build/bench/escartinol_bench" --print-draws 20 > "$compare/draws.txt"
declare -A names=([fr]=French [oc]=Occitan)
for lang in fr oc; do
    lists="$build/data/lists/$lang"
    echo "== ${names[$lang]} lists: $lists"
    "$build/bench/escartinol_bench" --lists "$lists" "$@" | tee "$compare/bench-$lang.txt"
    "$root/bench/compare_solvers.sh" --solve "$build/tools/escartinol-solve" --lists "$lists" \
        --draws "$compare/draws.txt" --work "$compare/$lang" --name "${names[$lang]}" | tee "$compare/solvers-$lang.txt"
done
# The web edition in headless Chromium: its search beside the native one of this build, which both
# run bench/draw_search_timing.cpp on the same draws and lists.
(cd "$root" && cmake --preset web >/dev/null && cmake --build --preset web -j "$(nproc)" --target all draw_search_timing)
/usr/bin/python3 "$root/bench/web_bench.py" "$root/build-web" "$build" | tee "$compare/web.txt"
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

cpu=$(grep -m1 '^model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')
echo
echo "== Figures: $(nproc) cores, ${cpu:-unknown CPU}, $(date -u +%Y-%m-%d); load average $load_before at the start," \
    "$load_after at the end =="
for lang in fr oc; do
    echo "-- ${names[$lang]}: $(cat "$build/data/lists/$lang"/DEF_?L.txt | wc -l) list lines"
    sed -n "/^1\. /,/^3\. /p" "$compare/bench-$lang.txt"
    sed -n '/^4\. /,$p' "$compare/solvers-$lang.txt"
done
cat "$compare/web.txt"
