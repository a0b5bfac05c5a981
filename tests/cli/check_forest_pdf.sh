#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The batch tool's forest plot as a PDF, opened by pdfinfo as a reader would open it: one page
# that grows with the rows, drawn with no display. Skipped (77) where pdfinfo is missing.
# Usage: check_forest_pdf.sh <lxtervan-batch>
set -euo pipefail
tool="$1"
command -v pdfinfo >/dev/null || { echo "pdfinfo is missing: skipped"; exit 77; }
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
unset QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY

# table ROWS: a spreadsheet's export of ROWS studies (';', decimal commas, CRLF), one bad row.
table() {
    printf 'Studie;n1;m1;sd1;n2;m2;sd2\r\n'
    printf 'kaputt;10;5;-1;10;4;1\r\n'
    for ((k = 1; k <= $1; k++)); do
        printf 'Studie %d;%d;5,%d;1,2;%d;4,8;1,1\r\n' "$k" $((10 + k % 40)) $((k % 10)) $((12 + k % 30))
    done
}

# height ROWS: the page height in points of the forest plot of ROWS studies.
height() {
    table "$1" >"$dir/table.csv"
    "$tool" --columns Studie,g --forest "$dir/forest.pdf" --label Studie "$dir/table.csv" \
        >"$dir/out.csv" 2>"$dir/err.txt"
    grep -q "1 row left out of the forest plot" "$dir/err.txt" ||
        { echo "no count of the row left out:"; cat "$dir/err.txt"; exit 1; }
    [ "$(wc -l <"$dir/out.csv")" -eq $(($1 + 2)) ] || { echo "the table is not whole"; exit 1; }
    local info
    info="$(pdfinfo "$dir/forest.pdf")" || { echo "pdfinfo cannot open the PDF"; exit 1; }
    grep -q '^Pages: *1$' <<<"$info" || { echo "not one page:"; echo "$info"; exit 1; }
    awk '/^Page size:/ { print $5 }' <<<"$info"
}

few=$(height 3)
many=$(height 300)
# Each row keeps its line: a hundred times the rows, far more than ten times the page.
awk -v few="$few" -v many="$many" 'BEGIN { exit !(many > 10 * few) }' ||
    { echo "page heights $few and $many pt do not grow with the rows"; exit 1; }
echo "forest PDFs open in pdfinfo: $few pt for 3 rows, $many pt for 300"
