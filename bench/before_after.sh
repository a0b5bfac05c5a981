#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# This tree against an earlier commit, in one run: the start-up of both calculators measured in
# one loop (bench/startup), then the report and Calculate benchmarks (bench/report) of each,
# taking turns three times. The earlier commit is built in a temporary work tree.
# Usage: bench/before_after.sh BASELINE [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
baseline="$1"
runs="${2:-30}"
scripts/setup.sh default >/dev/null
cmake --build --preset default --target bench_report bench_calculate >/dev/null
old=$(mktemp -d)
trap 'git worktree remove --force "$old" >/dev/null 2>&1 || rm -rf "$old"' EXIT
git worktree add -q --detach "$old" "$baseline"
(cd "$old" && cmake --preset default >/dev/null &&
    cmake --build --preset default --target lxtervan bench_report bench_calculate >/dev/null)

echo "start-up, $runs runs each:"
BASELINE_APP="$old/build/default/app/lxtervan" bench/startup/run.sh "$runs"
for turn in 1 2 3; do
    for tree in . "$old"; do
        name=$([ "$tree" = . ] && echo "this tree" || echo "baseline $baseline")
        echo "turn $turn, $name:"
        "$tree/build/default/bench/report/bench_report"
        QT_QPA_PLATFORM=offscreen "$tree/build/default/bench/report/bench_calculate"
    done
done
