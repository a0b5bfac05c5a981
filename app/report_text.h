// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/two_sample_report.h"

#include <QLocale>
#include <QString>

#include <variant>
#include <vector>

// The two-sample report as text: the cells of the details table and the
// result the user copies for pasting. Every number uses the given locale.
namespace lx::report_text {

// How a figure is written: p values get fewer digits than the rest,
// Student's df is a whole number, and a Bayes factor is held as its natural
// log (it may lie beyond the range of a double) and written with 3 digits.
enum class Kind { Plain, P, Whole, LogBayes };

// A cell of the table: nothing (the row has one value only), a number or an
// interval, each possibly undefined.
using Cell = std::variant<std::monostate, Figure<double>, Figure<Interval>>;

// A row of the details table. A row with one value for both tests leaves the
// Welch cell empty and spans both columns.
struct Row {
    QString name;
    Kind kind = Kind::Plain;
    Cell student;
    Cell welch;
    QString description = {}; // for a name that needs more words than fit
    bool spans() const { return std::holds_alternative<std::monostate>(welch); }
    // Welch's df is fractional: a whole-number row is whole for Student only.
    Kind welchKind() const { return kind == Kind::Whole ? Kind::Plain : kind; }
};

// The rows of the details table, top to bottom; names with a figure in them use the locale.
std::vector<Row> rows(const TwoSampleReport& report, const QLocale& locale);

// The column headers of the details table.
QString studentHeader();
QString welchHeader();

// What an undefined figure shows: an en dash.
QString undefinedText();

// What a Bayes factor shows whose quadrature does not settle: unlike an undefined figure, it
// exists, and the user should know it was not found rather than that there is none.
QString notComputableText();

// The row of the details table that says whether each typed mean can be the mean of N whole
// numbers, and its text ("no / yes"): empty when neither mean can be judged.
QString wholeNumberMeansName();
QString wholeNumberMeansDescription();
QString wholeNumberMeansText(const TwoSampleReport& report);

// A cell as the table shows it: 4 significant digits, p values 3 and never a
// rounded 0 for a p that is not 0; intervals in brackets; a Bayes factor that
// cannot be computed says so.
QString cellText(const Cell& cell, Kind kind, const QLocale& locale);

// What the copy command puts on the clipboard: Student's result and Welch's
// in the usual reporting style, one line each, then every figure with 15
// significant digits as a tab-separated table with a header row, and the
// whole-number row where the details show it.
QString clipboardText(const TwoSampleReport& report, const QLocale& locale);

} // namespace lx::report_text
