#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# How lxtervan-check's cost grows with one file: texts of 10,000 to 80,000 results and of
# 1,000,000 (24 MB), one result a line, each read by one worker; then a 300 MB text and the
# 400-paper corpus of run.sh for peak memory. Prints seconds, microseconds per result (which a
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
# The time a run takes with no results at all (start-up, reading), which us/result leaves out.
: > "$out/empty.txt"
startup=$(/usr/bin/time -f '%e' "$tool" --jobs 1 "$out/empty.txt" 2>&1 >/dev/null | tail -1)
measure() { # label file results [jobs]
    /usr/bin/time -f '%e %M' -o "$out/time.txt" "$tool" --jobs "${4:-1}" "$2" >/dev/null \
        2>"$out/err.txt"
    read -r seconds kilobytes < "$out/time.txt"
    awk -v l="$1" -v s="$seconds" -v k="$kilobytes" -v n="$3" -v mb="$(stat -c %s "$2")" \
        -v z="$startup" 'BEGIN {
        printf "%-30s %9.2f %12.2f %12.0f %10.1f\n", l, s, (n > 0 ? (s - z) / n * 1e6 : 0),
            k / 1024, mb / 1048576 }'
}
echo "start-up: $startup s (left out of us/result); one worker unless said"
printf '%-30s %9s %12s %12s %10s\n' "input" "seconds" "us/result" "peak MB" "file MB"
for n in 10000 20000 40000 80000 1000000; do
    make_text "$n" "$out/results_$n.txt"
    measure "$n results, one file" "$out/results_$n.txt" "$n"
done
measure "1000000 results, $(nproc) workers" "$out/results_1000000.txt" 1000000 "$(nproc)"
if [ "${1:-}" != "--no-large" ]; then
    n=13000000 # about 300 MB
    make_text "$n" "$out/results_$n.txt"
    measure "300 MB text" "$out/results_$n.txt" "$n"
fi
if [ -d build/bench/check/corpus_400 ]; then
    /usr/bin/time -f '%e %M' -o "$out/time.txt" "$tool" build/bench/check/corpus_400 >/dev/null 2>&1
    read -r seconds kilobytes < "$out/time.txt"
    printf '%-30s %9.2f %12s %12.0f\n' "400 papers (run.sh)" "$seconds" "" "$((kilobytes / 1024))"
fi
