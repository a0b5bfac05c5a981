#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Text-check benchmark: the same corpus of plain-text papers read by lxtervan-check (all cores,
# and one worker) and by the R package statcheck (Debian's r-cran-statcheck, installed here
# and nowhere else); wall time of each and the ratios, in one run. The corpus is the test
# corpus's English and German paragraphs, copied into many files.
# Usage: bench/check/run.sh [files]
set -euo pipefail
cd "$(dirname "$0")/../.."
files="${1:-400}"
here=bench/check
out=build/bench/check
mkdir -p "$out"

scripts/install_missing.sh r-base-core r-cran-statcheck time
tool=build/default/app/lxtervan-check
[ -x "$tool" ] || cmake --build --preset default --target lxtervan-check >/dev/null

corpus="$out/corpus_$files"
if [ ! -d "$corpus" ]; then
    mkdir -p "$corpus"
    # statcheck reads UTF-8 text: the German file is converted, not left in Windows-1252.
    iconv -f WINDOWS-1252 -t UTF-8 tests/check/corpus/german.txt > "$out/german_utf8.txt"
    for ((k = 0; k < files; k++)); do
        cat tests/check/corpus/english.txt "$out/german_utf8.txt" > "$corpus/paper_$k.txt"
    done
fi

# seconds COMMAND...: the wall time of one run.
seconds() {
    /usr/bin/time -f '%e' -o "$out/time.txt" "$@" >/dev/null 2>"$out/err.txt"
    cat "$out/time.txt"
}
ours=$(seconds "$tool" "$corpus")
ours_one=$(seconds "$tool" --jobs 1 "$corpus")
theirs=$(seconds Rscript "$here/statcheck_dir.R" "$corpus")
found_ours=$("$tool" "$corpus" 2>/dev/null | tail -n +2 | wc -l)
found_theirs=$(Rscript "$here/statcheck_dir.R" "$corpus" --count 2>/dev/null | tail -1)

# A paper of 30 pages in two columns, set by Qt's PDF writer from the corpus's lines.
cmake --build --preset default --target bench_make_pdf >/dev/null
pdf="$out/paper_30_pages.pdf"
[ -s "$pdf" ] || QT_QPA_PLATFORM=offscreen build/default/bench/check/bench_make_pdf \
    tests/check/corpus/english.txt 30 "$pdf"
pdf_time=$(seconds "$tool" --jobs 1 "$pdf")
pdf_found=$("$tool" "$pdf" 2>/dev/null | tail -n +2 | wc -l)

printf '%-28s %10s %10s\n' "program" "seconds" "results"
printf '%-28s %10s %10s\n' "lxtervan-check ($(nproc) cores)" "$ours" "$found_ours"
printf '%-28s %10s %10s\n' "lxtervan-check --jobs 1" "$ours_one" "$found_ours"
printf '%-28s %10s %10s\n' "R statcheck" "$theirs" "$found_theirs"
printf '%-28s %10s %10s\n' "lxtervan-check, 30-page PDF" "$pdf_time" "$pdf_found"
awk -v a="$theirs" -v b="$ours" -v c="$ours_one" 'BEGIN {
    printf "statcheck / lxtervan-check: %.1fx (all cores), %.1fx (one worker)\n", a / b, a / c }'
