#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The job after the array of scan.sbatch: joins OUTDIR's parts into OUTDIR/results.FORMAT,
# the table one run over the whole folder writes. It is written beside and then renamed, so
# results.FORMAT is never half a table.
# Usage: sbatch --dependency=afterok:JOB merge.sbatch OUTDIR FORMAT
#SBATCH --job-name=lxtervan-merge
#SBATCH --cpus-per-task=1
set -euo pipefail
outdir=$1 format=$2
shopt -s nullglob
parts=("$outdir"/part_*."$format")
"${LXTERVAN_CHECK:-lxtervan-check}" --merge "${parts[@]}" >"$outdir/results.$format.new"
mv "$outdir/results.$format.new" "$outdir/results.$format"
