#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a folder of papers on a Slurm cluster: an array job of N tasks, one a share of the
# files (scan.sbatch), then the merge of their parts into OUTDIR/results.FORMAT as a job that
# starts once every task ended well (merge.sbatch). Run it again with the same N and OUTDIR
# after a task failed or was cancelled: every task takes up its part with --resume (those that
# were done end at once), and a new merge follows.
# Usage: scripts/slurm/scan.sh [-n N] [-o OUTDIR] [-t TASKS] [-s "SBATCH OPTIONS"] FOLDER
#        [lxtervan-check options...]
#   -n N        tasks, one a share (default 16)
#   -o OUTDIR   parts, logs and results (default: ./lxtervan-scan); on a shared file system
#   -t TASKS    only these tasks, as sbatch --array takes them ("3" or "0,5-7"; default all)
#   -s OPTIONS  more sbatch options for both jobs (say "--partition=short --time=2:00:00")
# It prints the array's job id and the merge's.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
shards=16 outdir=./lxtervan-scan tasks="" extra=""
while getopts "n:o:t:s:" option; do
    case $option in
    n) shards=$OPTARG ;;
    o) outdir=$OPTARG ;;
    t) tasks=$OPTARG ;;
    s) extra=$OPTARG ;;
    *) exit 2 ;;
    esac
done
shift $((OPTIND - 1))
if (($# < 1)) || ! [[ $shards =~ ^[1-9][0-9]*$ ]]; then
    sed -n '9,16s/^# \{0,1\}//p' "$0" >&2
    exit 2
fi
folder=$(cd "$1" && pwd)
shift
format=csv
for ((k = 1; k <= $#; ++k)); do
    if [ "${!k}" = --format ] && ((k < $#)); then
        next=$((k + 1))
        format=${!next}
    fi
done
mkdir -p "$outdir/logs"
outdir=$(cd "$outdir" && pwd)
read -r -a sbatch_options <<<"$extra"
# A merge still waiting from an earlier submission would wait for ever on its failed array.
if [ -s "$outdir/merge.job" ]; then
    scancel "$(cat "$outdir/merge.job")" 2>/dev/null || true
fi
array=$(sbatch --parsable "${sbatch_options[@]}" --array="${tasks:-0-$((shards - 1))}" \
    --output="$outdir/logs/scan_%a.log" "$here/scan.sbatch" "$shards" "$outdir" "$folder" "$@")
array=${array%%;*}
merge=$(sbatch --parsable "${sbatch_options[@]}" --dependency="afterok:$array" \
    --kill-on-invalid-dep=yes --output="$outdir/logs/merge.log" \
    "$here/merge.sbatch" "$outdir" "$format")
merge=${merge%%;*}
echo "$merge" >"$outdir/merge.job"
echo "array $array merge $merge"
