#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes docs/calculator-dark.png and docs/calculator-scale2.png: the real calculator under Xvfb
# after a calculation, once with a dark desktop theme (GTK's dark Adwaita through Qt's GTK
# platform theme) and once at a scale factor of 2.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install_missing.sh qt6-gtk-platformtheme
source docs/xvfb_session.sh 1280x1024 xdotool import

shoot() {
    local out="$1"
    shift
    rm -rf "${config:?}"/*
    env "$@" build/default/app/lxtervan &
    local app=$!
    local window
    window=$(xdotool search --sync --onlyvisible --name "^Student's t-test$" | head -n 1)
    sleep 0.5
    xdotool type --delay 40 $'12\t5.4\t1.2\t15\t4.3\t1.1'
    xdotool key F5
    sleep 0.8
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
    kill "$app"
    wait "$app" 2>/dev/null || true
    echo "wrote $out"
}

shoot docs/calculator-dark.png QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
shoot docs/calculator-scale2.png QT_SCALE_FACTOR=2
