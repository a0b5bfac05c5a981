#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Recall and precision of lxtervan-check on the real papers' passages.

Usage: recall.py TOOL WORKDIR

Writes each passage of tests/check/real_papers/passages.jsonl to WORKDIR/<id>.txt, runs TOOL
on the folder (JSON lines), and sets what it finds against the results a reader finds there
(the passages' "results", their verdicts from tests/check/real_papers/expected.csv). A found
result matches an expected one of the same passage with the same statistic, the same df (of t,
or F's denominator) and the same value up to its sign; each expected result takes one find at
most. Recall is matched / expected, precision matched / found, verdict agreement the matched
results whose verdict word is the reference's. Prints these for psychology and for biology and
medicine, then every miss, every false find and every verdict that differs.
"""

import csv
import json
import shutil
import subprocess
import sys
from decimal import Decimal
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
DATA = ROOT / "tests" / "check" / "real_papers"
MINUS_SIGNS = "\u2212\u2013\u2014-"
FIELDS = (("psychology", "psychology"), ("biomed", "biology and medicine"))


def magnitude(value):
    return abs(Decimal(str(value).replace(" ", "").lstrip(MINUS_SIGNS)))


def df_of(result):
    return Decimal(str(result["df2"] if result["statistic"] == "F" else result["df"]))


def printed(result):
    name = "F(1, %s)" % result["df2"] if result["statistic"] == "F" else "t(%s)" % result["df"]
    p = result["p"] if result["p_comparison"] == "ns" else "p %s %s" % (result["p_comparison"],
                                                                          result["p"])
    return "%s = %s, %s" % (name, result["value"], p)


def load():
    passages = [json.loads(line) for line in
                (DATA / "passages.jsonl").read_text(encoding="utf-8").splitlines()]
    with open(DATA / "expected.csv", newline="", encoding="utf-8") as f:
        verdicts = {(row["id"], int(row["result"])): row["verdict"] for row in csv.DictReader(f)}
    return passages, verdicts


def run(tool, work, passages):
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    for passage in passages:
        (work / (passage["id"] + ".txt")).write_text(passage["text"] + "\n", encoding="utf-8")
    done = subprocess.run([tool, "--format", "jsonl", str(work)], capture_output=True,
                          text=True, encoding="utf-8")
    if done.returncode not in (0, 1):
        sys.exit("lxtervan-check failed (%d): %s" % (done.returncode, done.stderr.strip()))
    found = {}
    for line in done.stdout.splitlines():
        row = json.loads(line, parse_float=Decimal)
        found.setdefault(Path(row["file"]).stem, []).append(row)
    return found


def compare(passages, verdicts, found):
    report = {field: dict(expected=0, found=0, matched=0, agree=0, misses=[], false=[],
                          differ=[]) for field, _ in FIELDS}
    for passage in passages:
        tally = report[passage["field"]]
        finds = list(found.get(passage["id"], []))
        tally["expected"] += len(passage["results"])
        tally["found"] += len(finds)
        for index, result in enumerate(passage["results"]):
            match = next((row for row in finds if row["statistic"] == result["statistic"]
                          and Decimal(row["df"]) == df_of(result)
                          and magnitude(row["value"]) == magnitude(result["value"])), None)
            if match is None:
                tally["misses"].append("%s: %s" % (passage["id"], printed(result)))
                continue
            finds.remove(match)
            tally["matched"] += 1
            reference = verdicts[(passage["id"], index)]
            if match["verdict"] == reference:
                tally["agree"] += 1
            else:
                tally["differ"].append("%s: %s: %s, reference %s" % (
                    passage["id"], match["raw"], match["verdict"], reference))
        tally["false"] += ["%s: %s" % (passage["id"], row["raw"]) for row in finds]
    return report


def share(part, whole):
    return "%d/%d (%.0f%%)" % (part, whole, 100.0 * part / whole) if whole else "%d/0" % part


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__.split("\n\n")[1])
    passages, verdicts = load()
    report = compare(passages, verdicts, run(sys.argv[1], Path(sys.argv[2]), passages))
    print("%-22s %-16s %-16s %-16s" % ("field", "recall", "precision", "verdicts agree"))
    for field, name in FIELDS:
        r = report[field]
        print("%-22s %-16s %-16s %-16s" % (name, share(r["matched"], r["expected"]),
                                           share(r["matched"], r["found"]),
                                           share(r["agree"], r["matched"])))
    for key, title in (("misses", "Missed"), ("false", "Found but not a t test of the text"),
                       ("differ", "Verdicts that differ")):
        lines = [line for field, _ in FIELDS for line in report[field][key]]
        print("\n%s (%d):" % (title, len(lines)))
        for line in lines:
            print("  " + line)


if __name__ == "__main__":
    main()
