#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes docs/text_check.png: the real calculator under Xvfb, Ctrl+Shift+K, a paragraph pasted
# into the Check text window, Tab to its results and Enter on the first, which fills the sets.
set -euo pipefail
cd "$(dirname "$0")/.."
source docs/xvfb_session.sh 1600x1000 xdotool xclip import

paragraph=$'Group A (M = 5.20, SD = 1.10, n = 15) scored higher than group B (M = 4.30, SD = 1.20, n = 15),
t(28) = 2.14, p = .041. The second measure did not differ, t(28) = 1.20, p = .020, and the third,
t(40) = 2.02, p = .05, stood at the threshold. A one-tailed test gave t(30) = 1.80, p = .041,
while the last, t(58) = 2.10, p = .02, was taken as significant. With n1 = 12 and n2 = 14
the effect was clear, t(24) = 3.10, p = .005, d = 1.22.'
build/default/app/lxtervan &
app=$!
calculator=$(xdotool search --sync --onlyvisible --pid "$app" | head -n 1)
# No window manager runs here to give a new window the keyboard, as a desktop would.
xdotool windowfocus --sync "$calculator"
xdotool key ctrl+shift+k
sleep 1
pane=$(xdotool search --onlyvisible --pid "$app" | grep -vx "$calculator" | head -n 1)
xdotool windowfocus --sync "$pane"
printf '%s' "$paragraph" | xclip -selection clipboard
xdotool key ctrl+v
sleep 1
xdotool key Tab Return
sleep 0.5
import -window "$pane" docs/text_check.png
kill "$app"
wait "$app" 2>/dev/null || true
echo "wrote docs/text_check.png"
