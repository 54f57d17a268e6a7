#!/usr/bin/env bash
# Builds a libFuzzer target and runs it on one core for SECONDS, growing its corpus under fuzz/runs/.
# usage: fuzz/run.sh TARGET SECONDS [libFuzzer options...]     e.g. fuzz/run.sh word_lists 1800
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [[ $# -lt 2 ]]; then
    echo "usage: $0 TARGET SECONDS [libFuzzer options...]   (targets: $(ls "$root/fuzz/corpus" | tr '\n' ' '))" >&2
    exit 2
fi
target=$1 seconds=$2
shift 2
[[ -d "$root/fuzz/corpus/$target" ]] || { echo "error: no seed corpus fuzz/corpus/$target" >&2; exit 2; }

source "$root/scripts/packages.sh"
"$root/scripts/ensure-packages.sh" "${FUZZ_PACKAGES[@]}"

build="$root/build-fuzz"
CXX=clang++ cmake -S "$root" -B "$build" -DESCARTINOL_FUZZ=ON -DESCARTINOL_UI=OFF -DESCARTINOL_TESTS=OFF >/dev/null
cmake --build "$build" --target "fuzz_$target" -j 2

# The target rewrites its lists at every input: a memory-backed folder spares the disk.
if [[ -z "${TMPDIR:-}" && -w /dev/shm ]]; then export TMPDIR=/dev/shm; fi

# The seeds stay as they are in git; what the fuzzer finds goes to the run folder, crashes included.
run="$root/fuzz/runs/$target"
mkdir -p "$run/corpus" "$run/crashes"
cd "$run"
exec "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$run/crashes/" "$@" "$run/corpus" "$root/fuzz/corpus/$target"
