#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The cluster case end to end: on a one-node Slurm cluster started here, scripts/slurm/scan.sh
# checks a folder of a few hundred papers as an array of four shares; one task is cancelled
# half-way through its share and submitted again, and its part is taken up with --resume; the
# merge job's table must be byte for byte the table of one run of lxtervan-check over the
# folder: every row, none twice, in the same order.
# Usage: slurm_scan.sh LXTERVAN_CHECK REPOSITORY CORPUS   (exit 77: skipped, and why)
set -euo pipefail
check=$(realpath "$1") root=$2 corpus=$3
if [ "$(id -u)" -ne 0 ]; then
    if sudo -n true 2>/dev/null; then
        exec sudo -n bash "$0" "$@"
    fi
    echo "SKIP: the Slurm test needs root, or sudo without a password: it installs Slurm and" \
        "munge when missing, runs munged as the munge user and slurmd as root" >&2
    exit 77
fi
source "$(dirname "$0")/one_node_cluster.sh"
work=""
finish() {
    stop_cluster
    if [ -n "$work" ]; then rm -rf "$work"; fi
}
trap finish EXIT
fail() {
    echo "FAIL: $*" >&2
    for log in "$work"/out/logs/*.log; do
        echo "--- $log" >&2
        tail -n 5 "$log" >&2
    done
    exit 1
}
started=$SECONDS
start_cluster "$root" || fail "the cluster did not start (see above)"
work=$(mktemp -d /tmp/lxtervan-scan.XXXXXX)

# 300 papers in three folders: the corpus's text, HTML and DOCX files, copied.
papers=$work/papers
sources=("$corpus"/*)
for k in $(seq 0 299); do
    source_file=${sources[k % ${#sources[@]}]}
    folder="$papers/volume$((k % 3))"
    mkdir -p "$folder"
    cp "$source_file" "$folder/paper$k.${source_file##*.}"
done
# Ten of the second share's text files, from its fourth on, are made long, so that its task is
# at work on them when it is cancelled after three files; which files those are, a run of that
# share says.
"$check" --shard 2/4 --output "$work/probe.csv" "$papers" 2>/dev/null
mapfile -t share < <(sed -n 's/^file [0-9]* [0-9]* [0-9]* \(.*\.txt\)$/\1/p' "$work/probe.csv.done")
((${#share[@]} >= 20)) || fail "the second share has only ${#share[@]} text files"
for path in "${share[@]:3:10}"; do
    for ((k = 0; k < 6; ++k)); do cat "$path" "$path" >"$path.tmp" && mv "$path.tmp" "$path"; done
done
single_start=$SECONDS
"$check" "$papers" >"$work/single.csv" 2>/dev/null
single_time=$((SECONDS - single_start))

out=$work/out
export LXTERVAN_CHECK=$check
read -r _ array _ merge < <(bash "$root/scripts/slurm/scan.sh" -n 4 -o "$out" "$papers")
record=$out/part_2.csv.done
has_files() { [ -f "$record" ] && (($(grep -c '^file ' "$record") >= 3)); }
wait_for 120 has_files || fail "task 1 wrote no part"
scancel "${array}_1"
array_done() { [ -z "$(squeue -h -j "$array" 2>/dev/null)" ]; }
wait_for 120 array_done || fail "the array did not end"
if tail -n 1 "$record" | grep -q '^end '; then
    fail "task 1 ended before it was cancelled: the test's long files are too short"
fi
cut_at=$(grep -c '^file ' "$record")
merge_gone() { [ -z "$(squeue -h -j "$merge" 2>/dev/null)" ]; }
wait_for 30 merge_gone || fail "the merge still waits on the cancelled array"
[ ! -e "$out/results.csv" ] || fail "the merge ran after a task was cancelled"
for part in 1 3 4; do
    tail -n 1 "$out/part_$part.csv.done" | grep -q '^end ' || fail "part $part is not complete"
done

read -r _ again _ merge < <(bash "$root/scripts/slurm/scan.sh" -n 4 -o "$out" -t 1 "$papers")
all_done() { [ -z "$(squeue -h 2>/dev/null)" ]; }
wait_for 120 all_done || fail "the resubmitted task and the merge did not end"
[ -s "$out/results.csv" ] || fail "the merge wrote no table"
grep -q "inputs already complete there, skipped" "$out/logs/scan_1.log" ||
    fail "the resubmitted task did not resume its part"
rows=$(($(wc -l <"$work/single.csv") - 1))
if ! cmp -s "$work/single.csv" "$out/results.csv"; then
    diff "$work/single.csv" "$out/results.csv" | head -n 20 >&2
    fail "the merged table differs from one run's ($rows rows)"
fi
echo "PASS: $rows rows of 300 papers in 4 shares; job $again took up part 2 after" \
    "$cut_at files; one run took ${single_time} s, the whole test $((SECONDS - started)) s"
