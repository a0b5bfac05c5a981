#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Recall and precision of lxtervan-check on passages copied from real papers
# (tests/check/real_papers): each passage is written to a file, the checker reads them all, and
# bench/check/recall.py sets its findings against the results a reader finds there and their
# reference verdicts. Prints recall, precision and verdict agreement for psychology and for
# biology and medicine, then every miss, every false find and every verdict that differs.
# Builds lxtervan-check first where it is missing (with what the build needs).
# Usage: bench/check/recall.sh
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/install_missing.sh python3
tool=build/default/app/lxtervan-check
if [ ! -x "$tool" ]; then
    scripts/setup.sh default lxtervan-check >/dev/null
fi
python3 bench/check/recall.py "$tool" build/bench/check/real_papers
