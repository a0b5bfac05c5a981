#!/usr/bin/env bash
# Takes docs/calculator.png: the real calculator under Xvfb after a user typed
# two sets of observations and pressed F5; then docs/calculator_details.png:
# the reference row 10, 5, 1, 10, 4, 1 calculated with Details (F6) on.
set -euo pipefail
cd "$(dirname "$0")/.."
for tool in xdotool import; do
    command -v "$tool" >/dev/null || { echo "needs $tool (apt-get install xdotool imagemagick)"; exit 1; }
done
scripts/setup.sh default >/dev/null

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 800x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
config=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$config"' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$config"

build/default/app/lxtervan &
app=$!
window=$(xdotool search --sync --onlyvisible --name "^Student's t-test$" | head -n 1)
sleep 0.5
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
