// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculator_view.h"
#include "stats/reported_checks.h"

#include <QByteArrayView>
#include <QList>
#include <QLocale>
#include <QPair>
#include <QString>

#include <optional>
#include <vector>

namespace lx {

// One result of the text check as the window lists it, from the checker run in this process
// (pasted text, text and HTML files) or from a line of lxtervan-check's JSON output (PDF and
// DOCX files, which only that program reads).
struct CheckedLine {
    int page = 0; // of a PDF; 0 elsewhere
    int line = 0;
    QString raw;
    QString verdict; // the output's own word: "consistent", "decision_error", ...
    bool holds = false;
    QString dCheck;   // "consistent", "inconsistent" or empty when not checked
    QString ciCheck;  // the printed confidence interval's, likewise
    QString part;     // "footnotes", "header", ... for a DOCX file's result outside its body
    QString rounding; // the reading of the digits the verdict rests on: "none", "t_rounding", ...
    std::optional<int> n1, n2;
    std::optional<reported::Typed> m1, sd1, m2, sd2;
};

// Every result in a text, judged at alpha.
std::vector<CheckedLine> checkedLines(const QString& text, double alpha);

// A line of lxtervan-check's JSON output; nullopt when it is not one.
std::optional<CheckedLine> checkedLineOfJson(QByteArrayView json);

// What a line puts into the calculator's sets, box by box, written in the user's locale with
// the decimals the text gave: only the boxes it has a figure for.
QList<QPair<Box, QString>> setsOf(const CheckedLine& line, const QLocale& locale);

} // namespace lx
