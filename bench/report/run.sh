#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Report benchmark: median time per two-sample report over 100,000 varied summaries, with and
# without the effect-size intervals, per a priori sample-size plan, and per Calculate with the
# Details off, in the optimised build. Then the posterior of delta per row, here and in the
# engine of an earlier commit (BASELINE, by default the last one before the posterior was
# worked on pieces), built in a temporary work tree, in the same run.
# Usage: bench/report/run.sh [baseline-commit]
set -euo pipefail
cd "$(dirname "$0")/../.."
baseline="${1:-94b4447}"
scripts/setup.sh default >/dev/null
cmake --build --preset default --target bench_report bench_calculate bench_posterior >/dev/null
build/default/bench/report/bench_report
build/default/bench/report/bench_calculate
echo "this tree:"
build/default/bench/report/bench_posterior

if ! git cat-file -e "$baseline^{commit}" 2>/dev/null; then
    echo "baseline $baseline is not in this clone: no comparison" >&2
    exit 0
fi
old=$(mktemp -d)
trap 'git worktree remove --force "$old" >/dev/null 2>&1 || rm -rf "$old"' EXIT
git worktree add -q --detach "$old" "$baseline"
cp bench/report/posterior_speed.cpp bench/report/CMakeLists.txt "$old/bench/report/"
(cd "$old" && cmake --preset default >/dev/null &&
    cmake --build --preset default --target bench_posterior >/dev/null)
echo "baseline $baseline:"
"$old/build/default/bench/report/bench_posterior"
