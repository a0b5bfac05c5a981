#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Pooling benchmark: a million studies pooled (REML, the Q-profile interval of tau², Egger's
# test) in one set and as 5,000 sets of 200, with the peak memory; the real tool pooling a
# table of a million rows (--pool); and in the same run metafor (Debian's r-cran-metafor,
# installed here and nowhere else) doing the same at k = 200 and at k = 2,000, with the speed
# ratio per set of 200.
# Usage: bench/meta/run.sh [metafor sets]
set -euo pipefail
cd "$(dirname "$0")/../.."
sets="${1:-20}"
out=build/bench/meta
mkdir -p "$out"

scripts/install_missing.sh r-base-core r-cran-metafor time
scripts/setup.sh default >/dev/null
cmake --build --preset default --target bench_pool lxtervan-batch >/dev/null

/usr/bin/time -f 'peak_kib %M' -o "$out/memory.txt" build/default/bench/meta/bench_pool \
    1000000 200 | tee "$out/ours.txt"
cat "$out/memory.txt"

table="$out/studies_1000000.csv"
if [ ! -s "$table" ]; then
    awk 'BEGIN { srand(20261211); print "study,n1,m1,sd1,n2,m2,sd2";
        for (k = 1; k <= 1000000; k++)
            printf "s%d,%d,%.2f,%.2f,%d,%.2f,%.2f\n", k, 10 + int(rand() * 90),
                50 + 10 * rand(), 5 + 10 * rand(), 10 + int(rand() * 90), 48 + 10 * rand(),
                5 + 10 * rand() }' > "$table"
fi
/usr/bin/time -f 'seconds %e peak_kib %M' -o "$out/tool.txt" build/default/cli/lxtervan-batch \
    --columns study --pool "$out/pooled.csv" "$table" > /dev/null 2> "$out/tool_err.txt"
echo "lxtervan-batch --pool, 1,000,000 rows: $(cat "$out/tool.txt")"
tail -1 "$out/tool_err.txt"

Rscript bench/meta/metafor_speed.R "$sets" | tee "$out/metafor.txt"
ours=$(awk '/^sets/ { print $8 }' "$out/ours.txt")
theirs=$(awk '/per_set/ { print $5 }' "$out/metafor.txt")
awk -v a="$theirs" -v b="$ours" 'BEGIN {
    printf "metafor / lxtervan per set of 200: %.0fx (goal 100x)\n", a / b }'
