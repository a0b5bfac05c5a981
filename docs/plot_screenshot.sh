#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes docs/plot.png, docs/plot-de-scale2.png and docs/plot-robustness.png: the real calculator
# under Xvfb by keys alone. A summary is typed and calculated, F6 shows the details, F8 the
# Plot pane, and Down chooses the next picture as often as asked.
set -euo pipefail
cd "$(dirname "$0")/.."
source docs/xvfb_session.sh 1600x1400 xdotool import

shoot() {
    local out="$1" summary="$2" downs="$3"
    shift 3
    start_calculator "$@"
    xdotool type --delay 40 "$summary"
    xdotool key F5
    sleep 0.3
    xdotool key F6 F8
    sleep 0.5
    for _ in $(seq "$downs"); do xdotool key Down; done
    shoot_calculator "$out"
}

shoot docs/plot.png $'12\t3.1\t1.2\t14\t5.6\t1.5' 0
shoot docs/plot-robustness.png $'10\t5\t1\t10\t4\t1' 2
shoot docs/plot-de-scale2.png $'10\t5\t1\t10\t4\t1' 1 QT_SCALE_FACTOR=2 LANG=de_DE.UTF-8 LANGUAGE=de
