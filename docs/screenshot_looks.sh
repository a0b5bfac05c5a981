#!/usr/bin/env bash
# Takes docs/calculator-dark.png and docs/calculator-scale2.png: the real calculator under Xvfb
# after a calculation, once with a dark desktop theme (GTK's dark Adwaita through Qt's GTK
# platform theme) and once at a scale factor of 2.
set -euo pipefail
cd "$(dirname "$0")/.."
for tool in xdotool import; do
    command -v "$tool" >/dev/null || { echo "needs $tool (apt-get install xdotool imagemagick)"; exit 1; }
done
if ! dpkg-query -W -f='${Status}' qt6-gtk-platformtheme 2>/dev/null | grep -q "install ok installed"; then
    sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        qt6-gtk-platformtheme
fi
scripts/setup.sh default lxtervan >/dev/null

shoot() {
    local out="$1"
    shift
    local display=":$((90 + RANDOM % 100))"
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    local xvfb=$!
    local config
    config=$(mktemp -d)
    for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
    DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$config" env "$@" \
        build/default/app/lxtervan &
    local app=$!
    local window
    window=$(DISPLAY="$display" xdotool search --sync --onlyvisible --name "^Student's t-test$" | head -n 1)
    sleep 0.5
    DISPLAY="$display" xdotool type --delay 40 $'12\t5.4\t1.2\t15\t4.3\t1.1'
    DISPLAY="$display" xdotool key F5
    sleep 0.8
    eval "$(DISPLAY="$display" xdotool getwindowgeometry --shell "$window")"
    DISPLAY="$display" import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
    kill "$app" "$xvfb" 2>/dev/null || true
    rm -rf "$config"
    echo "wrote $out"
}

shoot docs/calculator-dark.png QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
shoot docs/calculator-scale2.png QT_SCALE_FACTOR=2
