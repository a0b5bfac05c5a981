#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# How lxtervan-check's cost grows with one file: texts of 10,000 to 80,000 results and of
# 1,000,000 (24 MB), one result a line, each read by one worker; then a 300 MB text and the
# 400-paper corpus of run.sh for peak memory. Prints seconds (the fastest of three runs, one for
# the 300 MB text), microseconds per result and per result added over the row before (which a
# linear reader keeps alike across the series) and peak resident memory.
# Usage: bench/check/scale.sh [--no-large]   (--no-large leaves out the 300 MB text)
set -euo pipefail
cd "$(dirname "$0")/../.."
out=build/bench/check/scale
mkdir -p "$out"
scripts/install_missing.sh time python3
tool=build/default/app/lxtervan-check
[ -x "$tool" ] || scripts/setup.sh default lxtervan-check >/dev/null

line='t(28) = 2.14, p = .041.'
make_text() { # results file
    [ -s "$2" ] || python3 -c 'import sys; open(sys.argv[2], "w").write((sys.argv[3] + "\n") * int(sys.argv[1]))' "$1" "$2" "$line"
}
# fastest JOBS FILE RUNS: the least seconds of RUNS runs, to the nanosecond (a 10,000-result
# file takes tens of milliseconds, /usr/bin/time's hundredths would be a sixth of it).
fastest() {
    local least="" start took
    for ((k = 0; k < $3; k++)); do
        start=$(date +%s%N)
        "$tool" --jobs "$1" "$2" >/dev/null 2>"$out/err.txt" || true
        took=$(($(date +%s%N) - start))
        if [ -z "$least" ] || [ "$took" -lt "$least" ]; then least=$took; fi
    done
    awk -v ns="$least" 'BEGIN { printf "%.4f", ns / 1e9 }'
}
# The time a run with one result takes (start-up, and the finder's patterns, which are compiled
# when first used), which us/result leaves out.
echo "$line" > "$out/one.txt"
startup=$(fastest 1 "$out/one.txt" 5)
# The seconds and results of the last one-worker run, for the cost of the results it adds.
previous_seconds=$startup
previous_results=1
measure() { # label file results [jobs] [runs]
    local seconds kilobytes
    seconds=$(fastest "${4:-1}" "$2" "${5:-3}")
    /usr/bin/time -f '%M' -o "$out/time.txt" "$tool" --jobs "${4:-1}" "$2" >/dev/null \
        2>"$out/err.txt"
    kilobytes=$(cat "$out/time.txt")
    awk -v l="$1" -v s="$seconds" -v k="$kilobytes" -v n="$3" -v mb="$(stat -c %s "$2")" \
        -v z="$startup" -v ps="$previous_seconds" -v pn="$previous_results" -v j="${4:-1}" 'BEGIN {
        added = j == 1 && n > pn ? sprintf("%.2f", (s - ps) / (n - pn) * 1e6) : ""
        printf "%-30s %9.3f %12.2f %12s %12.0f %10.1f\n", l, s,
            (n > 1 ? (s - z) / (n - 1) * 1e6 : 0), added, k / 1024, mb / 1048576 }'
    if [ "${4:-1}" = 1 ]; then
        previous_seconds=$seconds
        previous_results=$3
    fi
}
echo "start-up: $startup s, a run with one result (left out of us/result); one worker unless said"
echo "us/added: the time a result adds over the row before (the first: over the one-result run)"
printf '%-30s %9s %12s %12s %12s %10s\n' "input" "seconds" "us/result" "us/added" "peak MB" \
    "file MB"
for n in 10000 20000 40000 80000 1000000; do
    make_text "$n" "$out/results_$n.txt"
    measure "$n results, one file" "$out/results_$n.txt" "$n"
done
measure "1000000 results, $(nproc) workers" "$out/results_1000000.txt" 1000000 "$(nproc)"
if [ "${1:-}" != "--no-large" ]; then
    n=13000000 # about 300 MB
    make_text "$n" "$out/results_$n.txt"
    measure "300 MB text" "$out/results_$n.txt" "$n" 1 1
fi
if [ -d build/bench/check/corpus_400 ]; then
    /usr/bin/time -f '%e %M' -o "$out/time.txt" "$tool" build/bench/check/corpus_400 >/dev/null 2>&1
    read -r seconds kilobytes < "$out/time.txt"
    printf '%-30s %9.2f %12s %12s %12.0f\n' "400 papers (run.sh)" "$seconds" "" "" \
        "$((kilobytes / 1024))"
fi
