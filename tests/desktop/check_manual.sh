#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders a manual page with man as a user reads it and fails on any warning of the formatter
# or a section the page must have that it lacks.
# Usage: check_manual.sh <page> <section title>...
set -euo pipefail
page="$1"
shift
warnings="$(mktemp)"
trap 'rm -f "$warnings"' EXIT
text="$(MANWIDTH=80 LANG=C.UTF-8 man --warnings -E UTF-8 -l "$page" 2>"$warnings")"
failed=0
if [ -s "$warnings" ]; then
    echo "man warns about $page:"
    cat "$warnings"
    failed=1
fi
for section in "$@"; do
    grep -qx "$section" <<<"$text" || {
        echo "$page has no section $section"
        failed=1
    }
done
[ "$failed" -eq 0 ] && echo "$page renders without warnings, with $# sections checked"
exit "$failed"
