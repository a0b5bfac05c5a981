#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Where the full report's time goes: CPU microseconds per row of each column group, one worker
# thread, on the first rows of the benchmark table, and each group's share against the basic
# four columns in the same run.
# Usage: bench/batch/column_groups.sh [rows [costly_rows]]   (20000 and 200 unless given; run
# bench/batch/run.sh once first, for the build and the table). The posterior and the robustness
# scan, which a plain run leaves empty, cost so much more that they run on the first costly_rows.
set -euo pipefail
cd "$(dirname "$0")/../.."
rows="${1:-20000}"
costly_rows="${2:-200}"
tool=build/default/cli/lxtervan-batch
out=build/bench/batch
sample="$out/groups_${rows}.csv"
head -n "$((rows + 1))" "$out/table_1000000.csv" >"$sample"

declare -A groups=(
    [basic]=t_pooled,p_pooled,t_welch,p_welch
    [effect_sizes]=d,g,d_var,g_var,g_se
    [effect_size_cis]=d_ci_lo,d_ci_hi,g_ci_lo,g_ci_hi
    [p_ranges]=p_range_pooled_lo,p_range_pooled_hi,p_range_welch_lo,p_range_welch_hi
    [bayes_factors]=bf10,bf_plus,bf_minus,log_bf10
    [all]=
)
cpu() { # user + system seconds of one run
    /usr/bin/time -f '%U %S' -o "$out/groups_time.txt" "$tool" --jobs 1 "$@" "$sample" >/dev/null
    awk '{ print $1 + $2 }' "$out/groups_time.txt"
}
basic=$(cpu --columns "${groups[basic]}")
printf '%-16s %12s %10s\n' group "us/row" "x basic"
for name in basic effect_sizes effect_size_cis p_ranges bayes_factors all; do
    columns=(); [ -n "${groups[$name]}" ] && columns=(--columns "${groups[$name]}")
    seconds=$(cpu "${columns[@]}")
    per_row=$(echo "$seconds * 1000000 / $rows" | bc -l)
    printf '%-16s %12.1f %10.1f\n' "$name" "$per_row" "$(echo "$seconds / $basic" | bc -l)"
done
default_per_row=$per_row # the last group, all: a plain run

# The groups a plain run leaves empty unless asked for (--posterior, --robustness), in CPU
# microseconds a row over a plain run's, against a plain run's whole cost.
costly="$out/groups_costly_${costly_rows}.csv"
head -n "$((costly_rows + 1))" "$out/table_1000000.csv" >"$costly"
cpu_costly() {
    /usr/bin/time -f '%U %S' -o "$out/groups_time.txt" "$tool" --jobs 1 "$@" "$costly" >/dev/null
    awk '{ print $1 + $2 }' "$out/groups_time.txt"
}
for group in posterior robustness; do
    per_row=$(echo "$(cpu_costly "--$group") * 1000000 / $costly_rows - $default_per_row" | bc -l)
    printf '%-16s %12.1f %10.1f x a plain run\n' "$group" "$per_row" \
        "$(echo "$per_row / $default_per_row" | bc -l)"
done
