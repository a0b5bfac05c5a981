# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the screenshot scripts: checks their tools, builds the programs and starts a
# private Xvfb server of the given size with a fresh settings folder, both gone on exit. The
# programs speak English there, so the pictures match the README.
# Usage: source docs/xvfb_session.sh WIDTHxHEIGHT tool...
xvfb_size="$1"
shift
for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "needs $tool (apt-get install it)"; exit 1; }
done
scripts/setup.sh default >/dev/null

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 "${xvfb_size}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
config=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$config"' EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$config" LANG=C.UTF-8 LANGUAGE=

# Starts the calculator with a fresh settings folder and the given environment (NAME=value...),
# and gives its window the keyboard: no window manager runs here to do that, as a desktop would.
# Sets app (its pid) and window.
start_calculator() {
    rm -rf "${config:?}"/*
    env "$@" build/default/app/lxtervan &
    app=$!
    window=$(xdotool search --sync --onlyvisible --pid "$app" | head -n 1)
    xdotool windowfocus --sync "$window"
    sleep 0.5
}

# Writes the calculator's window to the file given and ends the calculator.
shoot_calculator() {
    sleep 0.8
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"
    kill "$app"
    wait "$app" 2>/dev/null || true
    echo "wrote $1"
}
