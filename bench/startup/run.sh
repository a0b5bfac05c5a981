#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up benchmark: time from exec to the window mapped on an Xvfb server,
# and peak resident memory, median of N runs (default 30: medians of 10 moved
# by 0.05 between runs), for the calculator and for a bare Qt window with the
# same widgets. With "details" the calculator
# starts with its Details switch on, as a user who left it on would see it,
# and the bare window gets a table of the same size. BASELINE_APP, when set, names a calculator of
# another build, measured in the same loop, and the ratio of this one to it is printed.
# Usage: [BASELINE_APP=path] bench/startup/run.sh [runs] [details]
set -euo pipefail
cd "$(dirname "$0")/../.."
runs="${1:-30}"
details="${2:-}"
here=bench/startup
out=build/bench
mkdir -p "$out"

scripts/install_missing.sh libx11-dev
scripts/setup.sh default >/dev/null
cc -O2 -Wall -o "$out/measure" "$here/measure.c" -lX11
c++ -std=c++20 -O2 -fPIC -o "$out/bare_window" "$here/bare_window.cpp" \
    $(pkg-config --cflags --libs Qt6Widgets)

# Xvfb picks a free display itself and names it once it is ready, so runs side by side on a
# shared machine neither collide nor start measuring too early. -noreset: by default the server
# resets whenever its last client leaves, and a run that connects during the reset fails.
exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp -noreset 2>/dev/null & echo "pid $!")
for _ in 1 2; do # the pid and the display number, in whichever order they come
    read -r first second <&3
    if [ "$first" = pid ]; then xvfb=$second; else number=$first; fi
done
display=":$number"
# Wait for it to go: a server still shutting down would remove the socket of the next run's.
trap 'kill $xvfb 2>/dev/null; while kill -0 $xvfb 2>/dev/null; do sleep 0.05; done' EXIT

export DISPLAY="$display" QT_QPA_PLATFORM=xcb
export XDG_CONFIG_HOME="$out/config" XDG_RUNTIME_DIR="$out/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
title="Student's t-test"
app=build/default/app/lxtervan
bare=("$out/bare_window" app/images $details)

# One warm-up each, so both start with the libraries in the page cache.
"$out/measure" "$title" "$app" >/dev/null
"$out/measure" "$title" "${bare[@]}" >/dev/null
baseline_app="${BASELINE_APP:-}"
[ -z "$baseline_app" ] || "$out/measure" "$title" "$baseline_app" >/dev/null
: >"$out/app.txt"
: >"$out/bare.txt"
: >"$out/baseline.txt"
# Every run is a first run: no remembered position.
fresh_settings() {
    rm -rf "$XDG_CONFIG_HOME"
    if [ "$details" = details ]; then
        mkdir -p "$XDG_CONFIG_HOME/LxTervan"
        printf '[frmTervan]\nDetails=1\n' >"$XDG_CONFIG_HOME/LxTervan/LxTervan.conf"
    fi
}
for _ in $(seq "$runs"); do
    fresh_settings
    "$out/measure" "$title" "$app" >>"$out/app.txt"
    "$out/measure" "$title" "${bare[@]}" >>"$out/bare.txt"
    if [ -n "$baseline_app" ]; then
        fresh_settings
        "$out/measure" "$title" "$baseline_app" >>"$out/baseline.txt"
    fi
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
app_ms=$(cut -d' ' -f1 "$out/app.txt" | median)
bare_ms=$(cut -d' ' -f1 "$out/bare.txt" | median)
app_kb=$(cut -d' ' -f2 "$out/app.txt" | median)
bare_kb=$(cut -d' ' -f2 "$out/bare.txt" | median)
printf '%-12s %12s %14s\n' "" "start-up ms" "peak RSS kB"
printf '%-12s %12s %14s\n' "calculator" "$app_ms" "$app_kb"
printf '%-12s %12s %14s\n' "bare window" "$bare_ms" "$bare_kb"
awk -v a="$app_ms" -v b="$bare_ms" -v c="$app_kb" -v d="$bare_kb" \
    'BEGIN { printf "ratio        %12.2f %14.2f   (goal: at most 1.10 and 1.06)\n", a / b, c / d }'
if [ -n "$baseline_app" ]; then
    old_ms=$(cut -d' ' -f1 "$out/baseline.txt" | median)
    old_kb=$(cut -d' ' -f2 "$out/baseline.txt" | median)
    printf '%-12s %12s %14s\n' "baseline" "$old_ms" "$old_kb"
    awk -v a="$app_ms" -v b="$old_ms" -v c="$app_kb" -v d="$old_kb" \
        'BEGIN { printf "to baseline  %12.3f %14.3f\n", a / b, c / d }'
fi
