#!/usr/bin/env bash
# Fuzzes every fuzz target for the same number of seconds, one after the other, each from its
# committed seeds (new inputs go to a scratch folder, never to the seeds), and prints per target the
# inputs tried per second (wall clock and per CPU second) and, for the worksheet targets, the user
# events survived with every rule checked after each. A target that fails leaves its input in the
# scratch folder and the script stops with the fuzzer's status.
#
#   scripts/fuzz.sh --build DIR [--seconds N] [TARGET...]    (every target when none is named)
set -euo pipefail

build=""
seconds=60
targets=()
while [[ $# -gt 0 ]]; do
    case "$1" in
    --build) build=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    -*) echo "usage: $0 --build DIR [--seconds N] [TARGET...]" >&2; exit 64 ;;
    *) targets+=("$1"); shift ;;
    esac
done
[[ -d "$build/fuzz" ]] || { echo "$0: no fuzz targets in $build (build with KORVELD_FUZZ=ON)" >&2; exit 66; }
source_dir=$(cd "$(dirname "$0")/.." && pwd)

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$source_dir/tests/sanitizers/lsan.supp:print_suppressions=0}

TIMEFORMAT='%3R %3U %3S'
total_events=0
if [[ ${#targets[@]} -eq 0 ]]; then
    for corpus in "$source_dir"/fuzz/corpus/*/; do
        targets+=("$(basename "$corpus")")
    done
fi
for name in "${targets[@]}"; do
    corpus=$source_dir/fuzz/corpus/$name
    fuzzer=$build/fuzz/${name}_fuzzer
    [[ -x "$fuzzer" ]] || { echo "$0: $fuzzer is not built" >&2; exit 66; }
    scratch=$build/fuzz/long_${name}
    rm -rf "$scratch"
    mkdir -p "$scratch/inputs"
    log=$scratch/fuzzer.log
    status=0
    { time "$fuzzer" -seed=1 -max_total_time="$seconds" -max_len=4096 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$scratch/" "$scratch/inputs" "$corpus" >"$log" 2>&1; } 2>"$scratch/time" || status=$?
    if [[ $status -ne 0 ]]; then
        echo "$name: FAILED (status $status); the input and the log are in $scratch"
        grep -E 'rule broken|not as new|ERROR|property failed|Test unit written' "$log" | head -20
        exit "$status"
    fi
    read -r wall user sys <"$scratch/time"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    events=$(sed -n 's/^user events survived: *//p' "$log")
    line=$(awk -v n="$runs" -v w="$wall" -v u="$user" -v s="$sys" -v name="$name" 'BEGIN {
        printf "%-18s %9d inputs in %6.1f s: %6.0f inputs/s (%6.0f per CPU second)", name, n, w, n / w, n / (u + s) }')
    if [[ -n "$events" ]]; then
        line+=", $events user events survived"
        total_events=$((total_events + events))
    fi
    echo "$line"
done
echo "user events survived in all: $total_events"
