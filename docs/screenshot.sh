#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes docs/calculator.png: the real calculator under Xvfb after a user typed
# two sets of observations and pressed F5; then docs/calculator_details.png:
# the reference row 10, 5, 1, 10, 4, 1 calculated with Details (F6) on.
set -euo pipefail
cd "$(dirname "$0")/.."
source docs/xvfb_session.sh 800x1024 xdotool import

start_calculator
xdotool type --delay 40 $'12\t5.4\t1.2\t15\t4.3\t1.1'
xdotool key F5
sleep 0.8
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage docs/calculator.png

# Esc clears and leaves the focus in N2; three boxes back is N1.
xdotool key Escape shift+Tab shift+Tab shift+Tab
xdotool type --delay 40 $'10\t5\t1\t10\t4\t1'
xdotool key F5 F6
sleep 0.8
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage docs/calculator_details.png
kill "$app"
echo "wrote docs/calculator.png and docs/calculator_details.png"
