// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_writer.h"

#include "text_check/verdict_words.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace lx::check {

const ColumnInfo outputColumns[] = {
    {"file", "the file the result is in (- for standard input)"},
    {"page", "the page of a PDF the result is on"},
    {"line", "the line the result starts on (on its page, in a PDF)"},
    {"raw", "the result as the text gives it, line breaks as blanks"},
    {"statistic", "t, or F for an F(1, df) read as t squared"},
    {"df", "the df of t (of F's denominator)"},
    {"value", "the t or F as reported"},
    {"t", "the t checked: the reported t, or the root of F"},
    {"p_comparison", "=, <, > or ns"},
    {"p_reported", "the reported p"},
    {"p_recomputed", "the p of the t as reported, of the tails judged on"},
    {"p_low", "the lowest p over the rounding of the reported t"},
    {"p_high", "the highest p over the rounding of the reported t"},
    {"tails", "2, or 1 where the verdict is that of a one-tailed test"},
    {"one_sided", "true when the text calls the test one-tailed, one-sided or directional"},
    {"verdict",
     "consistent, consistent_by_rounding (only a t within the reported t's rounding "
     "gives the p), one_tailed_consistent, two_tailed_p (the text calls the test one-tailed "
     "but gives its two-tailed p), inconsistent, decision_error, impossible "
     "(p of 0 or above 1), not_computable"},
    {"holds", "true when the verdict is consistent, or one-tailed consistent for a test the text "
              "calls one-sided"},
    {"effect", "d or g, when the text gives one beside the result"},
    {"effect_reported", "the reported d or g"},
    {"n1", "the first group's size, when given"},
    {"n2", "the second group's size, when given"},
    {"n", "the total sample, when given (taken as two equal groups)"},
    {"d_check", "consistent or inconsistent: the d or g against t and the group sizes"},
    {"m1", "the first group's mean, when the text gives both groups' means and SDs"},
    {"sd1", "the first group's SD, with m1"},
    {"m2", "the second group's mean, with m1"},
    {"sd2", "the second group's SD, with m1"},
    {"direction", "as_predicted or against_prediction: the difference of a one-sided test against "
                  "the direction the text predicted; empty when it does not say"},
    {"rounding", "the reading of the printed digits the verdict rests on: none (the t as printed, "
                 "or no reading changes it), t_rounding (only a t within the printed t's "
                 "rounding, a half either way), truncation (the p fits only if it was cut off "
                 "after its last digit, not rounded: .03 for .0362)"},
    {"ci_check",
     "consistent or inconsistent: the confidence interval printed with the result "
     "(of the mean difference, or of the d or g it follows) against t, df and the group "
     "sizes"},
    {"part", "footnotes, endnotes, header or footer, for a result there in a DOCX file (its line "
             "then counted in that part); empty in the body"},
    {"repaired", "true when reading the result repaired damage of a PDF's font or a scan "
                 "(F(l, 76), pb.001, p ! .05, t(60) p 1.98, f = -1.79; d.f. = 23): worth a look"},
};
const std::size_t outputColumnCount = std::size(outputColumns);

namespace {

using namespace text_check;

// A cell's text in UTF-8, as it is written: a long scan writes millions of them, so numbers go
// straight to their digits, as printf's %g and %f would write them.
struct Cell {
    enum class Kind { Empty, Text, Number, Boolean };
    Kind kind = Kind::Empty;
    std::string text; // also a number's text, as JSON and the tables write it
};

Cell text(const QString& value) {
    return {Cell::Kind::Text, value.toStdString()};
}

Cell text(const char* value) {
    return {Cell::Kind::Text, value};
}

Cell formatted(double value, std::chars_format format, int precision) {
    char digits[400];
    const auto written = std::to_chars(digits, digits + sizeof digits, value, format, precision);
    return written.ec == std::errc() ? Cell{Cell::Kind::Number, std::string(digits, written.ptr)}
                                     : Cell{};
}

Cell number(double value, int significant = 15) {
    return std::isfinite(value) ? formatted(value, std::chars_format::general, significant)
                                : Cell{};
}

Cell typed(const reported::Typed& value) {
    return formatted(value.value, std::chars_format::fixed, std::clamp(value.decimals, 0, 300));
}

Cell boolean(bool value) {
    return {Cell::Kind::Boolean, value ? "true" : "false"};
}

template <typename T> Cell optionalNumber(const std::optional<T>& value) {
    return value ? number(static_cast<double>(*value)) : Cell{};
}

// The cells moved into their row: a braced list would copy each.
template <typename... Cells> std::vector<Cell> row(Cells&&... cells) {
    std::vector<Cell> all;
    all.reserve(sizeof...(cells));
    (all.push_back(std::forward<Cells>(cells)), ...);
    return all;
}

std::vector<Cell> cellsOf(const QString& file, const CheckedResult& result) {
    const FoundResult& found = result.found;
    const Judgement& judgement = result.judgement;
    const bool ns = found.p.notSignificant;
    return row(
        text(file), found.page > 0 ? number(found.page) : Cell{}, number(found.line),
        text(found.raw), text(statisticWord(found.statistic)), number(found.df), typed(found.value),
        number(judgement.t, 6), text(ns ? "ns" : relationWord(found.p.relation)),
        ns ? Cell{} : number(found.p.value),
        judgement.recomputed ? number(*judgement.recomputed, 6) : Cell{},
        judgement.range ? number(judgement.range->lower, 6) : Cell{},
        judgement.range ? number(judgement.range->upper, 6) : Cell{},
        judgement.recomputed ? number(judgement.oneTailedJudged ? 1 : 2) : Cell{},
        boolean(found.oneSided), text(verdictWord(judgement.verdict)), boolean(judgement.holds),
        found.effect
            ? text(found.effect->kind == ReportedEffect::Kind::HedgesG ? QStringLiteral("g")
                                                                       : QStringLiteral("d"))
            : Cell{},
        found.effect ? typed(found.effect->value) : Cell{}, optionalNumber(found.n1),
        optionalNumber(found.n2), optionalNumber(found.total),
        judgement.effect == EffectVerdict::NotChecked ? Cell{} : text(effectWord(judgement.effect)),
        found.group1 ? typed(found.group1->mean) : Cell{},
        found.group1 ? typed(found.group1->sd) : Cell{},
        found.group2 ? typed(found.group2->mean) : Cell{},
        found.group2 ? typed(found.group2->sd) : Cell{},
        found.direction == StatedDirection::Unstated
            ? Cell{}
            : text(found.direction == StatedDirection::AsPredicted
                       ? QStringLiteral("as_predicted")
                       : QStringLiteral("against_prediction")),
        judgement.verdict == Verdict::NotComputable ? Cell{}
                                                    : text(roundingWord(judgement.rounding)),
        judgement.interval == EffectVerdict::NotChecked ? Cell{}
                                                        : text(effectWord(judgement.interval)),
        result.part.isEmpty() ? Cell{} : text(result.part), boolean(found.repaired));
}

// RFC 4180: a cell with the delimiter, a quote or a line break is quoted, its quotes doubled.
void appendCsvCell(const std::string& bytes, std::string& out) {
    if (bytes.find_first_of(",\"\n\r") == std::string::npos) {
        out += bytes;
        return;
    }
    out += '"';
    for (const char c : bytes) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

// TSV has no quoting: tabs and line breaks in a cell become blanks.
void appendTsvCell(const std::string& value, std::string& out) {
    for (const char c : value) {
        out += c == '\t' || c == '\n' || c == '\r' ? ' ' : c;
    }
}

void appendJsonString(const std::string& value, std::string& out) {
    out += '"';
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            static const char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 15];
        } else {
            out += c;
        }
    }
    out += '"';
}

} // namespace

std::string headerLine(OutputFormat format) {
    if (format == OutputFormat::JsonLines) {
        return {};
    }
    std::string line;
    for (std::size_t k = 0; k < outputColumnCount; ++k) {
        if (k > 0) {
            line += format == OutputFormat::Tsv ? '\t' : ',';
        }
        line += outputColumns[k].name;
    }
    return line + '\n';
}

std::string resultLines(const FileReport& report, OutputFormat format) {
    std::string out;
    for (const CheckedResult& result : report.results) {
        const std::vector<Cell> cells = cellsOf(report.name, result);
        if (format == OutputFormat::JsonLines) {
            out += '{';
            for (std::size_t k = 0; k < cells.size(); ++k) {
                out += k > 0 ? ",\"" : "\"";
                out += outputColumns[k].name;
                out += "\":";
                switch (cells[k].kind) {
                case Cell::Kind::Empty:
                    out += "null";
                    break;
                case Cell::Kind::Text:
                    appendJsonString(cells[k].text, out);
                    break;
                case Cell::Kind::Number:
                case Cell::Kind::Boolean:
                    out += cells[k].text;
                    break;
                }
            }
            out += "}\n";
            continue;
        }
        for (std::size_t k = 0; k < cells.size(); ++k) {
            if (k > 0) {
                out += format == OutputFormat::Tsv ? '\t' : ',';
            }
            (format == OutputFormat::Tsv ? appendTsvCell : appendCsvCell)(cells[k].text, out);
        }
        out += '\n';
    }
    return out;
}

} // namespace lx::check
