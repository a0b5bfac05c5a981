#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The planning view as a person uses it: the real calculator on its own X server, driven by
# key presses alone (type a summary, F5, F7, Tab to the target power, type it, F5,
# Ctrl+Shift+C), and the sentence read back from the clipboard, in English and in German.
# Usage: planning_keys.sh <lxtervan>
set -euo pipefail
program="$1"
work="$(mktemp -d)"
exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp -noreset 2>/dev/null & echo "pid $!")
for _ in 1 2; do
    read -r first second <&3
    if [ "$first" = pid ]; then xvfb=$second; else number=$first; fi
done
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=":$number" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"

failed=0
plan() {
    local summary="$1" power="$2" expected="$3"
    shift 3
    rm -rf "$work/config"
    env XDG_CONFIG_HOME="$work/config" "$@" "$program" &
    local app=$!
    local window
    window=$(xdotool search --sync --onlyvisible --pid "$app" | head -n 1)
    # No window manager gives the new window the keyboard here, as a desktop would.
    xdotool windowfocus --sync "$window"
    xdotool type --delay 30 "$summary"
    xdotool key F5
    xdotool key F7
    sleep 0.5
    xdotool key Tab
    xdotool type --delay 30 "$power"
    xdotool key F5 ctrl+shift+c
    local copied=""
    for _ in $(seq 50); do
        copied="$(xclip -o -selection clipboard 2>/dev/null || true)"
        [ "$copied" = "$expected" ] && break
        sleep 0.1
    done
    kill "$app"
    wait "$app" 2>/dev/null || true
    if [ "$copied" != "$expected" ]; then
        printf 'copied:   %s\nexpected: %s\n' "$copied" "$expected"
        failed=1
    fi
}

# 86 per group for d = 0.5 at 90% power: the published case, power 0.9032 (R's pwr).
plan $'10\t5.5\t1\t10\t5\t1' 0.90 \
    "A sample of 86 per group (172 in all) gives 90% power to detect d = 0.50 (α = .05, two-tailed); actual power 0.903." \
    LANG=C.UTF-8 LANGUAGE=
plan $'10\t5,5\t1\t10\t5\t1' 0,90 \
    "Eine Stichprobe von 86 je Gruppe (172 insgesamt) gibt 90 % Teststärke, um d = 0,50 zu entdecken (α = ,05, zweiseitig); tatsächliche Teststärke 0,903." \
    LANG=de_DE.UTF-8 LANGUAGE=de
[ "$failed" -eq 0 ] && echo "the planning view plans and copies by keys alone, in English and German"
exit "$failed"
