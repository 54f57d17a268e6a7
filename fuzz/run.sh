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
cd "$root"   # where the presets are
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "fuzz_$target" -j 2

# The target rewrites its lists at every input: a memory-backed folder spares the disk, and it
# goes away with the run, since libFuzzer ends without running the target's own clean-up.
tmp_base=/tmp
[[ -w /dev/shm ]] && tmp_base=/dev/shm
TMPDIR=$(mktemp -d "$tmp_base/escartinol-fuzz-run.XXXXXX")
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT

# The seeds stay as they are in git; what the fuzzer finds goes to the run folder, crashes included.
run="$root/fuzz/runs/$target"
mkdir -p "$run/corpus" "$run/crashes"
cd "$run"
# An input that takes seconds is a hang here: the lists it writes are a few kilobytes at most. The
# game's own notices on standard error (a missing list, at every input) are closed off; libFuzzer's
# reports of a crash still come.
"$build/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -close_fd_mask=2 \
    -artifact_prefix="$run/crashes/" "$@" "$run/corpus" "$root/fuzz/corpus/$target"
