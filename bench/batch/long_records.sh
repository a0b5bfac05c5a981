#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Long-record benchmark: one table row of 8 MB and one of 64 MB (a million and eight million
# fields), each read by lxtervan-batch in the same run. Reading is linear when the 64 MB row
# takes about eight times as long as the 8 MB one; a record copied again at every read of the
# input would make it about 64 times.
# Usage: bench/batch/long_records.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
out=build/bench/batch
mkdir -p "$out"
scripts/setup.sh default lxtervan-batch >/dev/null
tool=build/default/cli/lxtervan-batch

declare -A seconds
for megabytes in 8 64; do
    table="$out/long_${megabytes}mb.csv"
    if [ ! -s "$table" ]; then
        {
            echo "n1,m1,sd1,n2,m2,sd2,note"
            printf '10,5,1,10,4,1,'
            head -c $((megabytes * 1024 * 1024 / 2)) /dev/zero | tr '\0' 'x' | sed 's/x/x,/g'
            echo
        } >"$table"
    fi
    start=$(date +%s.%N)
    "$tool" --columns t_pooled,error "$table" >/dev/null 2>&1
    seconds[$megabytes]=$(echo "$(date +%s.%N) - $start" | bc -l)
    printf '%3d MB on one line: %6.2f s\n' "$megabytes" "${seconds[$megabytes]}"
done
echo "64 MB / 8 MB: $(echo "scale=1; ${seconds[64]} / ${seconds[8]}" | bc -l)x (linear: 8x)"
