#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Statements of t tests as papers print them, each with the verdict SciPy gives it.

Writes tests/text_check/statements_reference.csv: one statement a row, with the t (or F), df and
verdict it must get, and the check of a d or g beside it. The verdicts are worked here from
scipy.stats.t, independently of the program: a printed number stands for every value within
half a unit of its last digit; a p fits when some p of the t's rounding range lies within the
p's own rounding (or on the right side of a bound); two-tailed first, then one-tailed on the
observed side (a p above .5 as the other direction's), which holds only where the text says
one-sided. Run from the repository root: /usr/bin/python3 tools/text_check_reference/generate.py
"""
import csv
import math
import random

from scipy import special, stats

ALPHA = 0.05
rng = random.Random(33)


def half(decimals):
    return 0.5 * 10.0 ** -decimals


def decimals_of(text):
    text = text.replace(",", ".")
    return len(text.split(".")[1]) if "." in text else 0


def t_range(stat, value, dec):
    h = half(dec)
    if stat == "F":
        return math.sqrt(max(value - h, 0.0)), math.sqrt(value + h)
    lo, hi = value - h, value + h
    if lo <= 0 <= hi:
        return 0.0, max(-lo, hi)
    return min(abs(lo), abs(hi)), max(abs(lo), abs(hi))


def p_range(lo, hi, df, tail):
    if tail == "two":
        return 2 * stats.t.sf(hi, df), 2 * stats.t.sf(lo, df)
    if tail == "one":
        return stats.t.sf(hi, df), stats.t.sf(lo, df)
    return stats.t.cdf(lo, df), stats.t.cdf(hi, df)  # P(T > -|t|) rises with |t|


def fits(rel, value, dec, a, b):
    if rel == "<":
        return a < value
    if rel == ">":
        return b > value
    h = half(dec)
    return b >= value - h and a <= value + h


def side_reported(rel, value):
    if rel == "=":
        return -1 if value < ALPHA else (1 if value > ALPHA else 0)
    if rel == "<":
        return -1 if value <= ALPHA else 0
    return 1 if value >= ALPHA else 0


def side_recomputed(a, b):
    return -1 if b < ALPHA else (1 if a >= ALPHA else 0)


def other_tail(rel, value):
    return (rel == "=" and value > 0.5) or (rel == ">" and value >= 0.5)


def verdict(stat, value, dec, df, rel, pval, pdec, one_sided, against=False):
    if pval > 1 or (rel != ">" and pval == 0):
        return "impossible"
    lo, hi = t_range(stat, value, dec)
    t = math.sqrt(value) if stat == "F" else abs(value)
    a, b = p_range(lo, hi, df, "two")
    if fits(rel, pval, pdec, a, b) and one_sided:
        # The text calls the test one-tailed, but the p printed is the two-tailed one: it fits
        # neither tail's one-tailed p.
        if not any(fits(rel, pval, pdec, *p_range(lo, hi, df, tail)) for tail in ("one", "other")):
            return "two_tailed_p"
    if fits(rel, pval, pdec, a, b):
        e = 2 * stats.t.sf(t, df)
        return "consistent" if fits(rel, pval, pdec, e, e) else "consistent_by_rounding"
    # A one-sided test whose difference went against the predicted direction: its one-tailed p
    # is that of the predicted side, P(T > -|t|), whatever the p says.
    tail = "other" if other_tail(rel, pval) or (one_sided and against) else "one"
    a1, b1 = p_range(lo, hi, df, tail)
    if fits(rel, pval, pdec, a1, b1):
        return "one_tailed_consistent"
    if one_sided:
        a, b = a1, b1
    rs, cs = side_reported(rel, pval), side_recomputed(a, b)
    return "decision_error" if rs and cs and rs != cs else "inconsistent"


def rounding_rule(stat, value, dec, df, rel, pval, pdec, one_sided, verdict_word, against=False):
    """The reading of the printed digits the verdict rests on.

    none: the t as printed gives the verdict, or no reading of the digits changes it;
    t_rounding: only a t within the printed t's rounding gives the p; truncation: a failing
    equal p fits only if it was cut off after its last digit, standing for [p, p + one unit),
    over the t's rounding and the tail it was judged on.
    """
    lo, hi = t_range(stat, value, dec)
    t = math.sqrt(value) if stat == "F" else abs(value)
    if verdict_word == "consistent_by_rounding":
        return "t_rounding"
    if verdict_word == "one_tailed_consistent":
        tail = "other" if other_tail(rel, pval) or (one_sided and against) else "one"
        a, b = p_range(t, t, df, tail)
        return "none" if fits(rel, pval, pdec, a, b) else "t_rounding"
    if verdict_word in ("inconsistent", "decision_error") and rel == "=":
        tail = ("other" if other_tail(rel, pval) or against else "one") if one_sided else "two"
        a, b = p_range(lo, hi, df, tail)
        if b >= pval and a < pval + 2 * half(pdec):
            return "truncation"
    return "none"


def effect_check(stat, value, dec, kind, d_text, n1, n2, total):
    if not d_text or not ((n1 and n2) or total):
        return ""
    if n1 and n2:
        scale, n = math.sqrt(1 / n1 + 1 / n2), n1 + n2
    else:
        scale, n = 2 / math.sqrt(total), total
    if kind == "g":
        df = n - 2
        scale *= math.exp(special.gammaln(df / 2) - special.gammaln((df - 1) / 2)) / math.sqrt(df / 2)
    lo, hi = t_range(stat, value, dec)
    d = abs(float(d_text.replace(",", ".")))
    h = half(decimals_of(d_text))
    return "consistent" if d - h <= hi * scale and lo * scale <= d + h else "inconsistent"


def fmt(x, dec, comma=False, apa=False):
    text = f"{x:.{dec}f}"
    if apa and text.startswith("0."):
        text = text[1:]
    return text.replace(".", ",") if comma else text


rows = []


def add(name, text, stat, value_text, df, rel, p_text, one_sided=False, kind="", d_text="",
        n1=None, n2=None, total=None, against=False):
    value = float(value_text.replace(",", ".").replace("\u2212", "-"))
    dec = decimals_of(value_text)
    if p_text == "ns":
        rel, pval, pdec = ">", ALPHA, 0
    elif "e" in p_text:
        mant, exp = p_text.split("e")
        pval = float(mant) * 10.0 ** int(exp)
        pdec = decimals_of(mant) - int(exp)
    else:
        pval, pdec = float(p_text.replace(",", ".")), decimals_of(p_text)
    verdict_word = verdict(stat, value, dec, df, rel, pval, pdec, one_sided, against)
    rows.append({
        "name": name, "text": text, "statistic": stat, "value": value, "df": df,
        "verdict": verdict_word,
        "d_check": effect_check(stat, value, dec, kind, d_text, n1, n2, total),
        "rounding": rounding_rule(stat, value, dec, df, rel, pval, pdec, one_sided,
                                  verdict_word, against)})


def p_text_of(p, comma=False):
    """A p printed the way papers do: three decimals, < .001 below that."""
    if p < 0.001:
        return "<", ("<" + fmt(0.001, 3, comma, True))
    return "=", fmt(p, 3, comma, True)


def make_p(kind, t, df):
    p = 2 * stats.t.sf(abs(t), df)
    if kind == "right":
        return p
    if kind == "half":
        return p / 2
    if kind == "off":
        return min(0.999, p * rng.choice([0.5, 0.7, 1.4, 1.8]))
    return p


# Plain statements of every form, with p right, halved, or off.
forms = [
    ("apa", "t({df}) = {t}, p {rel} {p}"),
    ("dfword", "t = {t}, df = {df}, p {rel} {p}"),
    ("tight", "t({df})={t}; p{rel}{p}"),
    ("minus", "t({df}) = \u2212{t}, p {rel} {p}"),
    ("spaces", "t\u2009({df})\u00a0=\u00a0{t}, p\u202f{rel}\u202f{p}"),
    ("break", "t({df}) =\n{t}, p\n{rel} {p}"),
]
for k in range(150):
    form_name, template = forms[k % len(forms)]
    df = rng.choice([8, 12, 18, 24, 28, 30, 38, 45, 58, 60, 78, 98, 118, 200])
    t = round(rng.uniform(0.3, 4.5), rng.choice([2, 2, 1]))
    tdec = decimals_of(repr(t)) if "." in repr(t) else 0
    tdec = max(1, min(tdec, 2))
    t_text = fmt(t, tdec)
    kind = ["right", "right", "half", "off"][k % 4]
    p = make_p(kind, t, df)
    rel, p_shown = p_text_of(p)
    p_shown = p_shown.lstrip("<")
    text = template.format(df=df, t=t_text, rel=rel, p=p_shown)
    value_text = ("-" if form_name == "minus" else "") + t_text
    add(f"{form_name}_{k}", text, "t", value_text, df, rel, p_shown)

# German decimal commas.
for k in range(30):
    df = rng.choice([10, 20, 28, 40, 64])
    t = round(rng.uniform(0.5, 4.0), 2)
    t_text = fmt(t, 2, comma=True)
    p = make_p(["right", "off", "right"][k % 3], t, df)
    rel, p_shown = p_text_of(p, comma=True)
    p_shown = p_shown.lstrip("<")
    add(f"german_{k}", f"Die Gruppen unterschieden sich, t({df}) = {t_text}, p {rel} {p_shown}.",
        "t", t_text, df, rel, p_shown)

# Welch df, with a point or a comma.
for k in range(16):
    df = round(rng.uniform(10, 60), 1)
    t = round(rng.uniform(1.0, 3.5), 2)
    p = make_p(["right", "off"][k % 2], t, df)
    rel, p_shown = p_text_of(p, comma=k % 4 >= 2)
    p_shown = p_shown.lstrip("<")
    comma = k % 4 >= 2
    add(f"welch_{k}", f"t({fmt(df, 1, comma)}) = {fmt(t, 2, comma)}, p {rel} {p_shown}", "t",
        fmt(t, 2, comma), df, rel, p_shown)

# F(1, df) as the square of t.
for k in range(16):
    df = rng.choice([20, 28, 36, 50, 90])
    f = round(rng.uniform(0.5, 16.0), 2)
    p = make_p(["right", "off"][k % 2], math.sqrt(f), df)
    rel, p_shown = p_text_of(p)
    p_shown = p_shown.lstrip("<")
    add(f"f_{k}", f"F(1, {df}) = {f:.2f}, p {rel} {p_shown}", "F", f"{f:.2f}", df, rel, p_shown)

# Rounding: a t printed to one decimal whose own p misses the printed one.
for k, (t_text, df, p_shown) in enumerate([("2.2", 28, ".030"), ("2.2", 28, ".041"),
                                           ("1.9", 40, ".058"), ("2.0", 20, ".055"),
                                           ("3.1", 15, ".006"), ("2.5", 60, ".013"),
                                           ("2.2", 28, ".035"), ("1.8", 30, ".078"),
                                           ("2.7", 45, ".009"), ("1.2", 90, ".229"),
                                           ("3.0", 24, ".005"), ("2,2", 28, ",035")]):
    add(f"rounding_{k}", f"t({df}) = {t_text}, p = {p_shown}", "t", t_text, df, "=", p_shown)

# Bounds, ns, decision errors and p = .05.
for k, (t_text, df, rel, p_shown) in enumerate([
        ("2.20", 28, "<", ".05"), ("1.20", 28, "<", ".05"), ("1.20", 28, ">", ".05"),
        ("2.90", 28, ">", ".05"), ("1.90", 28, "<", ".05"), ("2.05", 28, "=", ".05"),
        ("2.00", 30, "=", ".05"), ("1.70", 28, "=", ".04"), ("2.30", 28, "=", ".06"),
        ("4.10", 50, "<", ".001"), ("0.80", 12, ">", ".10"), ("2.10", 28, "<", ".01")]):
    add(f"bound_{k}", f"t({df}) = {t_text}, p {rel} {p_shown}", "t", t_text, df, rel, p_shown)
for k, (t_text, df) in enumerate([("1.20", 28), ("2.50", 28), ("0.40", 60), ("1.95", 40)]):
    add(f"ns_{k}", f"t({df}) = {t_text}, ns", "t", t_text, df, ">", "ns")
    add(f"pns_{k}", f"t({df}) = {t_text}, p = n.s.", "t", t_text, df, ">", "ns")

# Impossible p, exponents.
for k, (t_text, df, p_shown) in enumerate([("5.20", 40, ".000"), ("0.90", 40, ".000"),
                                           ("2.10", 28, "1.20"), ("3.30", 30, "0.000")]):
    add(f"impossible_{k}", f"t({df}) = {t_text}, p = {p_shown}", "t", t_text, df, "=", p_shown)
for k, (t_text, df) in enumerate([("6.10", 120), ("7.45", 200), ("5.02", 60), ("8.90", 300)]):
    p = 2 * stats.t.sf(float(t_text), df)
    mant, exp = f"{p:.1e}".split("e")
    if k == 3:
        mant = f"{float(mant) * 3:.1f}"  # off by a factor of three
    add(f"exponent_{k}", f"t({df}) = {t_text}, p = {mant}e{int(exp)}", "t", t_text, df, "=",
        f"{mant}e{int(exp)}")
    add(f"times_ten_{k}", f"t({df}) = {t_text}, p = {mant} \u00d7 10^{int(exp)}", "t", t_text,
        df, "=", f"{mant}e{int(exp)}")

# One-sided tests, said and not said, and a p of the other direction.
for k, (t_text, df, p_shown, words) in enumerate([
        ("1.80", 28, ".041", "a one-tailed test"), ("1.80", 28, ".041", ""),
        ("2.10", 40, ".021", "one-sided"), ("2.10", 40, ".021", ""),
        ("1.75", 30, ".045", "the directional hypothesis"), ("1.60", 30, ".030", "one-tailed"),
        ("1.80", 28, ".959", "one-tailed"), ("1.80", 28, ".959", ""),
        ("2.40", 22, ".012", "einseitig"), ("1.30", 40, ".020", "one-tailed")]):
    lead = f"As predicted ({words}), " if words else "As predicted, "
    add(f"one_sided_{k}", lead + f"t({df}) = {t_text}, p = {p_shown}.", "t", t_text, df, "=",
        p_shown, one_sided=bool(words))

# Effect sizes with group sizes.
for k in range(16):
    n1 = rng.choice([10, 15, 20, 25, 40])
    n2 = n1 if k % 3 else rng.choice([12, 18, 30])
    df = n1 + n2 - 2
    t = round(rng.uniform(1.0, 4.0), 2)
    d = t * math.sqrt(1 / n1 + 1 / n2)
    kind = "g" if k % 4 == 1 else "d"
    if kind == "g":
        d *= math.exp(special.gammaln(df / 2) - special.gammaln((df - 1) / 2)) / math.sqrt(df / 2)
    if k % 5 == 4:
        d *= 1.3  # misreported
    p = 2 * stats.t.sf(t, df)
    rel, p_shown = p_text_of(p)
    p_shown = p_shown.lstrip("<")
    d_text = f"{d:.2f}"
    name = "Cohen's d" if kind == "d" else "Hedges' g"
    if k % 2:
        text = (f"With n1 = {n1} and n2 = {n2}, the groups differed, "
                f"t({df}) = {t:.2f}, p {rel} {p_shown}, {name} = {d_text}.")
        add(f"effect_{k}", text, "t", f"{t:.2f}", df, rel, p_shown, kind=kind, d_text=d_text,
            n1=n1, n2=n2)
    else:
        total = 2 * n1
        df = total - 2
        d = t * 2 / math.sqrt(total) * (1.3 if k % 5 == 4 else 1)
        if kind == "g":
            d *= math.exp(special.gammaln(df / 2) - special.gammaln((df - 1) / 2)) / math.sqrt(df / 2)
        p = 2 * stats.t.sf(t, df)
        rel, p_shown = p_text_of(p)
        p_shown = p_shown.lstrip("<")
        d_text = f"{d:.2f}"
        text = f"In all, N = {total} took part; t({df}) = {t:.2f}, p {rel} {p_shown}, {name} = {d_text}."
        add(f"effect_{k}", text, "t", f"{t:.2f}", df, rel, p_shown, kind=kind, d_text=d_text,
            total=total)

# The reading of the digits a verdict rests on: a p cut off instead of rounded, a one-tailed
# fit only over the t's rounding, and failures no reading of the digits rescues.
for k, (lead, t_text, df, rel, p_shown, one_sided) in enumerate([
        ("", "2.20", 28, "=", ".03", False), ("", "2.50", 40, "=", ".01", False),
        ("", "1.99", 28, "=", ".05", False), ("A one-tailed test: ", "2.20", 28, "=", ".01", True),
        ("A one-tailed test: ", "1.8", 28, "=", ".040", True),
        ("", "1.20", 28, "<", ".05", False), ("", "2.20", 28, "=", ".020", False)]):
    add(f"reading_{k}", f"{lead}t({df}) = {t_text}, p {rel} {p_shown}", "t", t_text, df, rel,
        p_shown, one_sided=one_sided)

# A stated direction beside a one-sided test: a prediction and a finding of the same groups
# (English, German), or the words alone. Against the prediction, the one-tailed p is the
# predicted side's, above .5: ".041" for t(28) = 1.80 was halved on the wrong side.
predicted = "We predicted that group A would score higher than group B. "
erwartet = "Wir erwarteten, dass Gruppe A h\u00f6here Werte als Gruppe B erzielt. "
for k, (text, t_text, df, rel, p_shown, against) in enumerate([
        (predicted + "Group A scored lower than group B, t(28) = 1.80, p = .041, one-tailed.",
         "1.80", 28, "=", ".041", True),
        (predicted + "Group A scored lower than group B, t(28) = 1.80, p = .959, one-tailed.",
         "1.80", 28, "=", ".959", True),
        (predicted + "As predicted, group A scored higher than group B, t(28) = 1.80, "
         "p = .041, one-tailed.", "1.80", 28, "=", ".041", False),
        (predicted + "Group B scored higher than group A, t(40) = 1.80, p < .05 (one-sided).",
         "1.80", 40, "<", ".05", True),
        (predicted + "Group B scored higher than group A, t(40) = 2.10, p > .05 (one-sided).",
         "2.10", 40, ">", ".05", True),
        ("The control group scored lower than the training group; we had predicted that the "
         "control group would score lower than the training group, t(30) = 2.30, p = .014, "
         "one-tailed.", "2.30", 30, "=", ".014", False),
        (erwartet + "Gruppe A lag niedriger als Gruppe B, t(28) = 1,80, p = ,041, einseitig.",
         "1,80", 28, "=", ",041", True),
        (erwartet + "Wie erwartet lag Gruppe A h\u00f6her als Gruppe B, t(28) = 1,80, "
         "p = ,041, einseitig.", "1,80", 28, "=", ",041", False),
        ("Contrary to the prediction, the control group scored higher, t(28) = 0.50, p = .31 "
         "(one-tailed).", "0.50", 28, "=", ".31", True),
        ("In the unexpected direction, t(24) = 2.80, p = .005, one-tailed.", "2.80", 24, "=",
         ".005", True),
        ("Entgegen der Hypothese, t(24) = 2,80, p = ,995, einseitig.", "2,80", 24, "=", ",995",
         True),
        (predicted + "Group A scored lower than group B, t(28) = 1.80, p = .041.", "1.80", 28,
         "=", ".041", False)]):
    one_sided = "one" in text or "einseitig" in text
    add(f"direction_{k}", text, "t", t_text, df, rel, p_shown, one_sided=one_sided,
        against=against and one_sided)

with open("tests/text_check/statements_reference.csv", "w", newline="", encoding="utf-8") as out:
    writer = csv.DictWriter(out, fieldnames=list(rows[0].keys()), lineterminator="\n")
    writer.writeheader()
    for row in rows:
        writer.writerow({**row, "value": repr(row["value"]), "df": repr(row["df"])})
counts = {}
for row in rows:
    counts[row["verdict"]] = counts.get(row["verdict"], 0) + 1
print(len(rows), counts)

# A corpus of the same statements as papers hold them, for the program's own tests: paragraphs
# of English text (UTF-8), of German text (Windows-1252) and an HTML page, with the file, line
# and verdict each statement must get, in the order the program writes them.
import html
import os
import re

os.makedirs("tests/check/corpus", exist_ok=True)
german, page, docx, english = [], [], [], []
for k, row in enumerate(rows):
    text = row["text"]
    if re.search(r"\d,\d|= ,\d", text):
        try:
            text.encode("cp1252")
            german.append(row)
            continue
        except UnicodeEncodeError:
            pass
    (page if k % 5 == 0 else docx if k % 7 == 0 else english).append(row)


def paragraphs(chosen, lead):
    """The file's text and, for each statement, the line it starts on."""
    lines, out = [], []
    text = ""
    for k, row in enumerate(chosen):
        paragraph = lead.format(k=k + 1) + row["text"] + (" " if k % 2 else "\n") + "It was noted.\n\n"
        out.append(text.count("\n") + 1 + (lead.format(k=k + 1)).count("\n"))
        text += paragraph
    return text, out


expected = []
text, starts = paragraphs(english, "Study {k} compared two groups of students.\n")
with open("tests/check/corpus/english.txt", "w", encoding="utf-8", newline="") as out:
    out.write(text)
expected += [("english.txt", line, row) for line, row in zip(starts, english)]

text, starts = paragraphs(german, "Ergebnisse f\u00fcr Studie {k}: Wir verglichen zwei Gruppen.\n")
with open("tests/check/corpus/german.txt", "w", encoding="cp1252", newline="") as out:
    out.write(text)
expected += [("german.txt", line, row) for line, row in zip(starts, german)]

body, line = "", 4
starts = []
for k, row in enumerate(page):
    escaped = html.escape(row["text"], quote=False).replace("\u2212", "&minus;").replace(
        "\u00a0", "&nbsp;")
    starts.append(line + 2)
    body += f"<p>Experiment {k + 1}.\n<i>Results:</i> {escaped}</p>\n"
    line += 2 + row["text"].count("\n")
with open("tests/check/corpus/page.html", "w", encoding="utf-8", newline="") as out:
    out.write("<!DOCTYPE html>\n<html><head><title>Results</title>\n"
              "<style>p { margin: 0 }</style></head>\n<body>\n" + body + "</body></html>\n")
expected += [("page.html", line, row) for line, row in zip(starts, page)]

# A DOCX file: a lead paragraph, then each statement in a paragraph of its own, split into two
# runs as a word processor splits them, its line breaks as <w:br/>. The program puts each
# paragraph and each break on a line of its own.
import zipfile
from xml.sax.saxutils import escape

paragraphs_xml, line, starts = [], 1, []
for k, row in enumerate(docx):
    paragraphs_xml.append(f'<w:p><w:r><w:t>Study {k + 1}.</w:t></w:r></w:p>')
    line += 1
    starts.append(line)
    text = row["text"]
    cut = text.index("=") + 1
    runs = []
    for part in (text[:cut], text[cut:]):
        pieces = [f'<w:t xml:space="preserve">{escape(p)}</w:t>' for p in part.split("\n")]
        runs.append("<w:r>" + "<w:br/>".join(pieces) + "</w:r>")
    paragraphs_xml.append('<w:p><w:pPr><w:jc w:val="both"/></w:pPr>' + "".join(runs) + "</w:p>")
    line += 1 + text.count("\n")
document = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
            '<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">'
            '<w:body>' + "".join(paragraphs_xml) + '</w:body></w:document>')
content_types = ('<?xml version="1.0" encoding="UTF-8"?>\n'
                 '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
                 '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
                 '<Default Extension="xml" ContentType="application/xml"/>'
                 '<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>'
                 '</Types>')
relations = ('<?xml version="1.0" encoding="UTF-8"?>\n'
             '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
             '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>'
             '</Relationships>')
with zipfile.ZipFile("tests/check/corpus/paper.docx", "w", zipfile.ZIP_DEFLATED) as archive:
    for name, data in (("[Content_Types].xml", content_types), ("_rels/.rels", relations),
                       ("word/document.xml", document)):
        archive.writestr(zipfile.ZipInfo(name, date_time=(2026, 1, 1, 0, 0, 0)), data,
                         zipfile.ZIP_DEFLATED)
expected += [("paper.docx", line, row) for line, row in zip(starts, docx)]
expected.sort(key=lambda item: ["english.txt", "german.txt", "page.html", "paper.docx"].index(item[0]))

with open("tests/check/corpus_expected.csv", "w", newline="", encoding="utf-8") as out:
    writer = csv.writer(out, lineterminator="\n")
    writer.writerow(["file", "line", "name", "verdict", "d_check", "rounding"])
    for file, line, row in expected:
        writer.writerow([file, line, row["name"], row["verdict"], row["d_check"], row["rounding"]])
print(len(english), len(german), len(page), len(docx))

# A paragraph of a results section holding seven results in the forms papers print (a p in
# capitals, "p-value", a flattened subscript df, a p in parentheses after its test, a power of
# ten in superscripts), with the verdict and effect-size check of each, in the text's order.
paragraph = (
    "Participants in the training group recalled more words (M = 14.2, SD = 3.1, n = 24) than "
    "controls\n(M = 12.1, SD = 3.4, n = 26), t(48) = 2.27, p = .028, d = 0.64, 95% CI [0.12, "
    "4.08]. Reaction times\ndid not differ, t(48) = 0.88, P = 0.38. The effect on accuracy was "
    "significant (t(47.3) = 2.10,\np = 0.041). A Welch test on errors gave t58 = 2.01, p-value = "
    "0.049. For confidence, t(58) = 2.51\n(p = .015). Finally, as predicted, the one-tailed test "
    "showed t(58) = 1.70, p = .094. The\nmanipulation check was strong, t(58) = 12.5, p = 2.1 "
    "\u00d7 10\u207b\u00b9\u2078.\n")
with open("tests/text_check/paragraph.txt", "w", encoding="utf-8", newline="") as out:
    out.write(paragraph)
rows = []
for value_text, df, rel, p_text, one_sided, effect in [
        ("2.27", 48, "=", ".028", False, ("d", "0.64", 24, 26)),
        ("0.88", 48, "=", "0.38", False, None), ("2.10", 47.3, "=", "0.041", False, None),
        ("2.01", 58, "=", "0.049", False, None), ("2.51", 58, "=", ".015", False, None),
        ("1.70", 58, "=", ".094", True, None), ("12.5", 58, "=", "2.1e-18", False, None)]:
    kind, d_text, n1, n2 = effect or ("", "", None, None)
    add(f"paragraph_{len(rows)}", "", "t", value_text, df, rel, p_text, one_sided=one_sided,
        kind=kind, d_text=d_text, n1=n1, n2=n2)
with open("tests/text_check/paragraph_reference.csv", "w", newline="", encoding="utf-8") as out:
    writer = csv.DictWriter(out, fieldnames=[k for k in rows[0] if k != "text"],
                            lineterminator="\n", extrasaction="ignore")
    writer.writeheader()
    for row in rows:
        writer.writerow({**row, "value": repr(row["value"]), "df": repr(row["df"])})
