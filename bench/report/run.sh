#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Report benchmark: median time per two-sample report over 100,000 varied summaries, with and
# without the effect-size intervals, per a priori sample-size plan, and per Calculate with the
# Details off, in the optimised build.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/setup.sh default >/dev/null
cmake --build --preset default --target bench_report bench_calculate >/dev/null
build/default/bench/report/bench_report
build/default/bench/report/bench_calculate
