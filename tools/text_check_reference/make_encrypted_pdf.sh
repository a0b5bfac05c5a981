#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes tests/check/encrypted.pdf: one page of the test corpus, set by the benchmark's PDF
# maker and locked with a user password by qpdf (Debian's qpdf), so that lxtervan-check's test
# has a PDF it must name as encrypted and skip. Run from the repository root after building
# the default preset.
set -euo pipefail
cmake --build --preset default --target bench_make_pdf >/dev/null
work=$(mktemp -d)
head -3 tests/check/corpus/english.txt > "$work/page.txt"
QT_QPA_PLATFORM=offscreen build/default/bench/check/bench_make_pdf "$work/page.txt" 1 "$work/open.pdf"
qpdf --encrypt secret owner 256 -- "$work/open.pdf" tests/check/encrypted.pdf
rm -r "$work"
