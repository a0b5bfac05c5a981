#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws docs/forest.png: lxtervan-batch's forest plot of a table as a German spreadsheet exports
# it (its own column names, ';', decimal commas, a byte-order mark, CRLF, a name in the Windows
# code page) with one row in error, off screen with no display.
set -euo pipefail
cd "$(dirname "$0")/.."
table="$(mktemp --suffix=.csv)"
trap 'rm -f "$table"' EXIT
{
    printf '\xEF\xBB\xBFStudie;N_E;MW_E;SD_E;N_K;MW_K;SD_K\r\n'
    printf 'Becker 2015;24;31,2;6,1;25;27,9;6,4\r\n'
    printf 'Hoffmann 2016;58;29,8;5,7;61;28,9;6,0\r\n'
    printf 'M\xfcller 2017;15;33,5;7,2;14;26,1;7,9\r\n'
    printf 'Schmidt 2018;120;30,4;6,3;118;29,6;6,1\r\n'
    printf 'Wagner 2019;32;28,7;5,9;30;29,3;6,2\r\n'
    printf 'Fischer 2020;40;32,1;6,8;-3;27,5;6,6\r\n'
    printf 'Schulz 2021;75;31,0;6,0;77;28,2;5,8\r\n'
    printf 'Weber 2022;19;30,9;7,5;21;30,2;7,1\r\n'
} >"$table"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANG=C.UTF-8 \
    build/default/cli/lxtervan-batch --map n1=N_E,m1=MW_E,sd1=SD_E,n2=N_K,m2=MW_K,sd2=SD_K \
    --columns Studie,g,g_ci_lo,g_ci_hi --forest docs/forest.png --label Studie "$table" >/dev/null
