#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What the pictures cost a run that asks for none: the four columns over the benchmark table by
# an earlier build of lxtervan-batch and by this one, in turns in the same run (median wall time
# of each), and their ratio; the start of each on a one-row table; then this build's time with a
# forest plot of the first 10,000 rows.
# Usage: bench/batch/picture_cost.sh BASELINE_TOOL [rows] [runs]
#   BASELINE_TOOL  an lxtervan-batch built before the change, say from the main branch
#   rows           1000000 unless given; runs 5 unless given
set -euo pipefail
cd "$(dirname "$0")/../.."
baseline="$(realpath "$1")"
rows="${2:-1000000}"
runs="${3:-5}"
tool=build/default/cli/lxtervan-batch
out=build/bench/batch
mkdir -p "$out"
table="$out/table_${rows}.csv"
[ -s "$table" ] || /usr/bin/python3 bench/batch/generate.py "$rows" "$table"
four=t_pooled,p_pooled,t_welch,p_welch

# seconds COMMAND...: the wall time of one run.
seconds() {
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null
    end=$(date +%s.%N)
    echo "$end - $start" | bc -l
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

before=()
after=()
for ((k = 0; k < runs; k++)); do
    before+=("$(seconds "$baseline" --columns "$four" "$table")")
    after+=("$(seconds "$tool" --columns "$four" "$table")")
done
b=$(printf '%s\n' "${before[@]}" | median)
a=$(printf '%s\n' "${after[@]}" | median)
echo "rows: $rows   runs: $runs   cores: $(nproc)"
printf '%-40s %9.3f s\n' "baseline (4 columns)" "$b"
printf '%-40s %9.3f s\n' "this build (4 columns)" "$a"
printf '%-40s %9.3f\n' "this build / baseline" "$(echo "$a / $b" | bc -l)"

# The start of a run on a one-row table, which the libraries a build links weigh on.
one="$out/one_row.csv"
printf 'n1,m1,sd1,n2,m2,sd2\n10,5,1,10,4,1\n' >"$one"
starts() { # mean milliseconds of 50 starts
    local start end
    start=$(date +%s.%N)
    for _ in $(seq 50); do "$1" --columns t_pooled "$one" >/dev/null; done
    end=$(date +%s.%N)
    echo "($end - $start) * 1000 / 50" | bc -l
}
sb=$(starts "$baseline")
sa=$(starts "$tool")
printf '%-40s %9.2f ms\n' "baseline, one row" "$sb"
printf '%-40s %9.2f ms\n' "this build, one row" "$sa"

sample="$out/forest_10000.csv"
head -n 10001 "$table" >"$sample"
svg="$out/forest_10000.svg"
printf '%-40s %9.3f s\n' "10,000 rows, g and --forest .svg" \
    "$(seconds "$tool" --columns id,g --label study --forest "$svg" "$sample")"
