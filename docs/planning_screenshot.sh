#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes docs/planning.png, docs/planning-scale2.png and docs/planning-de-scale2.png: the real
# calculator under Xvfb planned by keys alone. A summary with d = 0.5 is typed and calculated,
# F7 opens the planning view, Tab goes to the target power, 0.90 is typed and F5 plans again;
# Ctrl+Shift+C then copies the plan's sentence.
set -euo pipefail
cd "$(dirname "$0")/.."
source docs/xvfb_session.sh 1400x1400 xdotool import

shoot() {
    local out="$1" summary="$2" power="$3"
    shift 3
    start_calculator "$@"
    xdotool type --delay 40 "$summary"
    xdotool key F5
    sleep 0.3
    xdotool key F7
    sleep 0.5
    xdotool key Tab
    xdotool type --delay 40 "$power"
    xdotool key F5 ctrl+shift+c
    shoot_calculator "$out"
}

shoot docs/planning.png $'10\t5.5\t1\t10\t5\t1' 0.90
shoot docs/planning-scale2.png $'10\t5.5\t1\t10\t5\t1' 0.90 QT_SCALE_FACTOR=2
shoot docs/planning-de-scale2.png $'10\t5,5\t1\t10\t5\t1' 0,90 QT_SCALE_FACTOR=2 \
    LANG=de_DE.UTF-8 LANGUAGE=de
