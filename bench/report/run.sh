#!/usr/bin/env bash
# Report benchmark: median time per two-sample report over 100,000 varied summaries, with and
# without the effect-size intervals, in the optimised build.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/setup.sh default >/dev/null
cmake --build --preset default --target bench_report >/dev/null
build/default/bench/report/bench_report
