#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The text check as a person uses it: the real calculator on its own X server, driven by key
# presses alone (Ctrl+Shift+K, a paragraph typed, Tab to the results, Enter on the first, back
# to the calculator, F5, Ctrl+Shift+C), and the filled sets' results read back from the
# clipboard, in English and in German.
# Usage: text_check_keys.sh <lxtervan>
set -euo pipefail
program="$1"
work="$(mktemp -d)"
exec 3< <(Xvfb -displayfd 1 -screen 0 1600x1024x24 -nolisten tcp -noreset 2>/dev/null & echo "pid $!")
for _ in 1 2; do
    read -r first second <&3
    if [ "$first" = pid ]; then xvfb=$second; else number=$first; fi
done
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=":$number" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"

failed=0
check() {
    local paragraph="$1" expected="$2"
    shift 2
    rm -rf "$work/config"
    env XDG_CONFIG_HOME="$work/config" "$@" "$program" &
    local app=$!
    local calculator checker=""
    calculator=$(xdotool search --sync --onlyvisible --pid "$app" | head -n 1)
    # No window manager gives a new window the keyboard here, as a desktop would.
    xdotool windowfocus --sync "$calculator"
    xdotool key ctrl+shift+k
    for _ in $(seq 50); do
        checker=$(xdotool search --onlyvisible --pid "$app" | grep -vx "$calculator" | head -n 1 || true)
        [ -n "$checker" ] && break
        sleep 0.1
    done
    xdotool windowfocus --sync "$checker"
    xdotool type --delay 10 "$paragraph"
    sleep 1 # the check runs once typing pauses
    xdotool key Tab Return
    sleep 0.3
    xdotool windowfocus --sync "$calculator"
    xdotool key F5 ctrl+shift+c
    local copied=""
    for _ in $(seq 50); do
        copied="$(xclip -o -selection clipboard 2>/dev/null || true)"
        [ -n "$copied" ] && break
        sleep 0.1
    done
    kill "$app"
    wait "$app" 2>/dev/null || true
    if ! grep -qF -- "$expected" <<<"$copied"; then
        printf 'copied:   %s\nexpected: %s\n' "$copied" "$expected"
        failed=1
    fi
}

# The sets filled from the paragraph give back the t and p it reports (SciPy finds them
# consistent: tests/app/text_check_window_reference.csv), and the difference of its means.
check "Group A (M = 5.20, SD = 1.10, n = 15) scored higher than group B (M = 4.30, SD = 1.20, n = 15), t(28) = 2.14, p = .041." \
    "t(28) = 2.14, p = .041, M1 − M2 = 0.90," LANG=C.UTF-8 LANGUAGE=
check "Gruppe A (M = 5,20; SD = 1,10; n = 15) lag vor Gruppe B (M = 4,30; SD = 1,20; n = 15), t(28) = 2,14, p = ,041." \
    "t(28) = 2,14, p = ,041, M1 − M2 = 0,90," LANG=de_DE.UTF-8 LANGUAGE=de
[ "$failed" -eq 0 ] && echo "the text check fills the sets by keys alone, in English and German"
exit "$failed"
