#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The plain report against R: lxtervan-batch's default columns over the generated table and
# r_report.R, which works out the same figures in base R and BayesFactor, over its first rows,
# in the same run; microseconds a row of each, by the wall clock and in CPU time (user + system),
# and their ratios. Then both outputs compared on the rows R did, and the rows where they
# differ most worked out with mpmath to tell which is right.
# Usage: bench/batch/full_report.sh [rows [r_rows]]   (100000 and 15000 unless given; R takes
# some 6 ms a row, so 15000 rows are about a minute and a half of it)
#
# Measured on this project's 2-core machine, one run (100000 rows for the tool, given both
# cores, 15000 for R, which uses one):
#   lxtervan-batch (plain report)     21.7 us/row wall     20.6 us/row CPU
#   R (r_report.R)                  6275.3 us/row wall   5970.7 us/row CPU
#   R / tool                           289x wall            290x CPU
# (an earlier run of 10000 R rows: 18.8 and 6115.0 us/row wall, 325x). Every column but the
# intervals of d and g and the Bayes factors agreed within 1e-6 on all 15000 rows, most within
# 1e-12; the intervals differed only where R's pt approximates (29 and 30 rows), the Bayes
# factors where ttest.tstat approximates or its quadrature stops early (up to 1.2e-3 for BF10
# at |t| = 37). On the rows of the largest differences mpmath sided with the tool, within 1e-13.
set -euo pipefail
cd "$(dirname "$0")/../.."
rows="${1:-100000}"
r_rows="${2:-15000}"
here=bench/batch
out=build/bench/batch
mkdir -p "$out"

scripts/install_missing.sh r-base-core r-cran-bayesfactor python3-mpmath time
scripts/setup.sh default lxtervan-batch >/dev/null
tool=build/default/cli/lxtervan-batch
python=/usr/bin/python3 # Debian's, with Debian's mpmath

table="$out/table_${rows}.csv"
[ -s "$table" ] || "$python" "$here/generate.py" "$rows" "$table"
sample="$out/report_sample_${r_rows}.csv"
head -n "$((r_rows + 1))" "$table" >"$sample"

# measure NAME COUNT COMMAND...: runs once under GNU time; prints microseconds a row, wall and
# CPU, and keeps them for the ratios.
declare -A wall cpu
measure() {
    local name="$1" count="$2"; shift 2
    /usr/bin/time -f '%e %U %S' -o "$out/report_time.txt" "$@" >/dev/null
    wall[$name]=$(awk -v n="$count" '{ printf "%.1f", $1 * 1e6 / n }' "$out/report_time.txt")
    cpu[$name]=$(awk -v n="$count" '{ printf "%.1f", ($2 + $3) * 1e6 / n }' "$out/report_time.txt")
    printf '%-32s %8d %14s %14s\n' "$name" "$count" "${wall[$name]}" "${cpu[$name]}"
}

echo "cores: $(nproc)"
printf '%-32s %8s %14s %14s\n' run rows "us/row wall" "us/row CPU"
measure "lxtervan-batch (plain report)" "$rows" \
    sh -c "exec '$tool' '$table' > '$out/report_tool.csv'"
measure "R (r_report.R)" "$r_rows" Rscript "$here/r_report.R" "$sample" "$out/report_r.csv"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.0f", a / b }'; }
r="R (r_report.R)"
lx="lxtervan-batch (plain report)"
echo
echo "R / tool, wall: $(ratio "${wall[$r]}" "${wall[$lx]}")x" \
    "  CPU: $(ratio "${cpu[$r]}" "${cpu[$lx]}")x"

echo
"$python" "$here/compare_report.py" "$out/report_tool.csv" "$out/report_r.csv" \
    "$out/report_worst_ids.txt"
echo
echo "The rows of the largest differences, by mpmath:"
# shellcheck disable=SC2046 # one id a word
"$python" "$here/mpmath_referee.py" "$out/report_tool.csv" "$out/report_r.csv" \
    $(cat "$out/report_worst_ids.txt")
