#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes docs/designer.png: Qt Designer under Xvfb with the example form open
# and the LxTervan controls in its widget box, loaded from the build's plugin.
set -euo pipefail
cd "$(dirname "$0")/.."
designer=/usr/lib/qt6/bin/designer
source docs/xvfb_session.sh 1280x800 /usr/lib/qt6/bin/designer xdotool import
export QT_PLUGIN_PATH="$PWD/build/default/plugins"

# One main window with docked tool windows, not loose top-level windows.
mkdir -p "$config/QtProject"
printf '[General]\nUI\\currentMode=1\n' >"$config/QtProject/designer.conf"

"$designer" examples/controls_form/example_form.ui &
app=$!
window=$(xdotool search --sync --onlyvisible --name "Qt Designer" | head -n 1)
xdotool windowsize "$window" 1280 800 windowmove "$window" 0 0
sleep 2
# Only the LxTervan group in the widget box; the switch selected for its properties.
xdotool mousemove 127 91 click 1 type --delay 40 "Lx"
xdotool mousemove 863 238 click 1
sleep 1
import -window root docs/designer.png
kill "$app"
echo "wrote docs/designer.png"
