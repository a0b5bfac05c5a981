#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# One task of a Slurm array job that checks a folder of papers: task K (from 0) reads the
# (K+1)-th of N shares of the folder's files and writes them to OUTDIR/part_(K+1).FORMAT with
# --resume, so that a task cancelled, timed out or preempted and run again takes up where it
# was. scripts/slurm/scan.sh submits the array and the merge after it.
# Usage: sbatch --array=0-$((N-1)) scan.sbatch N OUTDIR FOLDER [lxtervan-check options...]
# The program is lxtervan-check on the PATH, or $LXTERVAN_CHECK.
#SBATCH --job-name=lxtervan-scan
#SBATCH --cpus-per-task=1
#SBATCH --requeue
set -euo pipefail
if (($# < 3)) || [ -z "${SLURM_ARRAY_TASK_ID:-}" ]; then
    echo "usage: sbatch --array=0-\$((N-1)) scan.sbatch N OUTDIR FOLDER [options...]" >&2
    exit 2
fi
shards=$1 outdir=$2 folder=$3
shift 3
format=csv
for ((k = 1; k <= $#; ++k)); do
    if [ "${!k}" = --format ] && ((k < $#)); then
        next=$((k + 1))
        format=${!next}
    fi
done
share=$((SLURM_ARRAY_TASK_ID + 1))
part="$outdir/part_$share.$format"
status=0
"${LXTERVAN_CHECK:-lxtervan-check}" --shard "$share/$shards" --output "$part" --resume \
    --jobs "${SLURM_CPUS_PER_TASK:-1}" "$@" "$folder" || status=$?
# Status 2 also names inputs that could not be read (a damaged PDF, say): the part is whole all
# the same once its record ends with its "end" line, and the merge may go on.
if ((status == 2)) && tail -n 1 "$part.done" 2>/dev/null | grep -q '^end '; then
    status=0
fi
exit "$status"
