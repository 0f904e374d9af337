#!/usr/bin/env bash
# Requests per second of `korveld-cli batch` on one core, over a schedule of mixed rate and select
# lines (four of each kind, in Btu/h and kW, temperatures and capacities varying line by line).
# The schedule is the same on every machine; each run's output goes to /dev/null, and one more
# run is kept to count the answers, messages and usage errors.
#
#   scripts/batch-throughput.sh [--lines N] [--runs R] [--cli PATH]
set -euo pipefail

lines=100000
runs=5
cli=build/cli/korveld-cli
while [[ $# -gt 0 ]]; do
    case "$1" in
    --lines) lines=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --cli) cli=$2; shift 2 ;;
    *) echo "usage: $0 [--lines N] [--runs R] [--cli PATH]" >&2; exit 64 ;;
    esac
done
[[ -x "$cli" ]] || { echo "$0: no korveld-cli at $cli (build first: make)" >&2; exit 66; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
schedule=$work/schedule.txt

awk -v n="$lines" 'BEGIN {
    # Btu/h lines take °F; kW lines take °C. %E/%e the evaporator temperature, %C/%K the capacity.
    t[0] = "rate --refrigerant R-22 --valve KO --evap %E --cond 100 --liquid 90"
    t[1] = "select --refrigerant R-22 --valve KO --evap %E --cond 100 --liquid 90 --capacity %C --bleed 15"
    t[2] = "rate --refrigerant R-404A --valve QZ --evap %E --cond 105 --liquid 95 --system-capacity %C"
    t[3] = "select --refrigerant R-404A --valve QZ --evap %E --cond 100 --liquid 90 --capacity %C --strainer"
    t[4] = "rate --refrigerant R-134a --valve VMP --evap %E --cond 100 --liquid 90 --distributor none"
    t[5] = "select --refrigerant R-134a --valve VMP --evap %E --cond 100 --liquid 90 --capacity %C"
    t[6] = "rate --unit kw --refrigerant R-407C --valve KO --evap %e --cond 40 --liquid 35"
    t[7] = "select --unit kw --refrigerant R-22 --valve KO --evap %e --cond 40 --liquid 35 --capacity %K"
    for (i = 0; i < n; ++i) {
        line = t[i % 8]
        k = int(i / 8)
        gsub(/%E/, 20 + (k * 7) % 26, line)
        gsub(/%e/, -6 + (k * 5) % 13, line)
        gsub(/%C/, 6000 + (k * 1237) % 30000, line)
        gsub(/%K/, sprintf("%.1f", 2 + ((k * 37) % 80) / 10), line)
        print line
    }
}' >"$schedule"

"$cli" batch "$schedule" >"$work/answers.jsonl"
answered=$(wc -l <"$work/answers.jsonl")
usage=$(grep -c '"usage_error"' "$work/answers.jsonl" || true)
messages=$(grep -c '"message"' "$work/answers.jsonl" || true)
if [[ $answered -ne $lines || $usage -ne 0 ]]; then
    echo "$0: $answered answers for $lines lines, $usage usage errors" >&2
    exit 1
fi

# Wall-clock seconds (what a user waits) and CPU seconds (what the program itself costs, which
# other work on a shared machine does not disturb) of each run.
seconds=()
cpu=()
TIMEFORMAT='%3R %3U %3S'
for ((run = 0; run < runs; ++run)); do
    read -r wall user sys < <({ time taskset -c 0 "$cli" batch "$schedule" >/dev/null 2>&1; } 2>&1)
    seconds+=("$wall")
    cpu+=("$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.3f", u + s }')")
done

# "fastest S s = R requests/s; median S s = R requests/s" over the runs' seconds.
rates() {
    printf '%s\n' "$@" | sort -g | awk -v n="$lines" '{ s[NR] = $1 } END {
        m = NR % 2 ? s[(NR + 1) / 2] : (s[NR / 2] + s[NR / 2 + 1]) / 2
        printf "fastest %.3f s = %.0f requests/s; median %.3f s = %.0f requests/s", s[1], n / s[1], m, n / m
    }'
}
echo "korveld-cli batch: $lines lines ($messages answered with a message box), $runs runs on one core"
echo "wall clock: $(rates "${seconds[@]}")"
echo "CPU time:   $(rates "${cpu[@]}")"
