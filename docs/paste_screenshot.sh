#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes docs/paste.png: the real calculator under Xvfb right after a user pasted a spreadsheet
# column (a header, a blank cell and 12 values) into the first set with Ctrl+V.
set -euo pipefail
cd "$(dirname "$0")/.."
source docs/xvfb_session.sh 640x480 xdotool import xclip

build/default/app/lxtervan &
app=$!
window=$(xdotool search --sync --onlyvisible --name "^Student's t-test$" | head -n 1)
sleep 0.5
xdotool type --delay 40 $'\t\t\t15\t4.3\t1.1'
printf 'Score\n5.1\n6.3\n4.8\n\n5.9\n5.2\n6.0\n4.4\n5.7\n6.1\n5.5\n4.9\n5.8\n' |
    xclip -selection clipboard
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab ctrl+v
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage docs/paste.png
kill "$app"
echo "wrote docs/paste.png"
