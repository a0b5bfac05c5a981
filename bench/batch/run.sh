#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Batch benchmark: one generated table of 1 million varied rows, processed in the same run by
# lxtervan-batch (four columns and the full report), pandas + SciPy and R; wall time, rows per
# second and peak RSS of each, and the ratios; then the check columns on a table of reported
# results. Then the tool's peak RSS on 10 million rows.
# Usage: bench/batch/run.sh [rows]
set -euo pipefail
cd "$(dirname "$0")/../.."
rows="${1:-1000000}"
here=bench/batch
out=build/bench/batch
mkdir -p "$out"

scripts/install_missing.sh python3-pandas python3-scipy r-base-core time
scripts/setup.sh default >/dev/null
tool=build/default/cli/lxtervan-batch
python=/usr/bin/python3 # Debian's, with Debian's pandas and SciPy

table="$out/table_${rows}.csv"
[ -s "$table" ] || "$python" "$here/generate.py" "$rows" "$table"

# measure NAME ROWS COMMAND...: runs once under GNU time, prints one row of the table.
declare -A seconds
measure() {
    local name="$1" count="$2"; shift 2
    /usr/bin/time -v -o "$out/time.txt" "$@" >/dev/null
    local wall rss
    wall=$(awk -F': ' '/Elapsed \(wall clock\)/ {
        n = split($2, p, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + p[i]; print s }' \
        "$out/time.txt")
    rss=$(awk -F': ' '/Maximum resident set size/ { printf "%.0f", $2 / 1024 }' "$out/time.txt")
    seconds[$name]=$wall
    printf '%-34s %9.2f %12.0f %9s\n' "$name" "$wall" "$(echo "$count / $wall" | bc -l)" "$rss"
}

echo "rows: $rows   cores: $(nproc)"
printf '%-34s %9s %12s %9s\n' "run" "wall s" "rows/s" "RSS MiB"
four=t_pooled,p_pooled,t_welch,p_welch
measure "lxtervan-batch (4 columns)" "$rows" sh -c "exec '$tool' --columns $four '$table' > '$out/tool4.csv'"
measure "lxtervan-batch (all columns)" "$rows" sh -c "exec '$tool' '$table' > '$out/tool_all.csv'"
measure "pandas + SciPy (4 columns)" "$rows" "$python" "$here/pandas_scipy.py" "$table" "$out/pandas.csv"
measure "R (4 columns)" "$rows" Rscript "$here/r_script.R" "$table" "$out/r.csv"

# Three decimals, with the leading zero that bc leaves out: a tool far behind shows as 0.006x.
ratio() { printf "%.3f" "$(echo "${seconds[$2]} / ${seconds[$1]}" | bc -l)"; }
echo
echo "tool (4 columns) vs pandas + SciPy:  $(ratio "lxtervan-batch (4 columns)" "pandas + SciPy (4 columns)")x"
echo "tool (all columns) vs pandas + SciPy: $(ratio "lxtervan-batch (all columns)" "pandas + SciPy (4 columns)")x"
echo "tool (4 columns) vs R:               $(ratio "lxtervan-batch (4 columns)" "R (4 columns)")x"

# Checks of reported results: a table of reported t, df, p and a summary with its items,
# only the check columns.
checks="$out/checks_${rows}.csv"
[ -s "$checks" ] || "$python" "$here/generate_reported.py" "$rows" "$checks"
measure "lxtervan-batch (check columns)" "$rows" sh -c "exec '$tool' --items 1 --columns \
p_check,p_recomputed,t_check,df_check,grim_m1,grim_m2,grim_sd1,grim_sd2,check_error '$checks' \
> '$out/checks_out.csv'"
echo "check columns vs 4 columns:          $(ratio "lxtervan-batch (4 columns)" "lxtervan-batch (check columns)")x the time"

# Peak memory must not grow with the input: ten copies of the rows, streamed.
big="$out/table_10x.csv"
if [ ! -s "$big" ]; then
    head -n 1 "$table" >"$big"
    for _ in $(seq 10); do tail -n +2 "$table" >>"$big"; done
fi
echo
measure "lxtervan-batch (4 columns, 10x rows)" "$((rows * 10))" \
    sh -c "exec '$tool' --columns $four '$big' > /dev/null"
