// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/reported_checks.h"

#include <QString>

#include <optional>

namespace lx::text_check {

// The test statistic a result reports. An F with one numerator df is the square of a t.
enum class Statistic { T, F };

// An effect size reported beside a t test.
struct ReportedEffect {
    enum class Kind { CohensD, HedgesG };
    Kind kind = Kind::CohensD;
    reported::Typed value;
};

// A group's mean and SD as the text states them next to a result ("M = 5.20, SD = 1.10"),
// and its size when given with them ("n = 15").
struct GroupDescriptives {
    reported::Typed mean;
    reported::Typed sd;
    std::optional<int> n;
};

// A confidence interval printed with a result ("95% CI [0.12, 4.08]"): of the d or g when it
// follows one, else of the difference of the means.
struct ReportedInterval {
    double level = 0.95;
    reported::Typed lower;
    reported::Typed upper;
    bool ofEffect = false;
};

// How the difference found relates to the one the text predicted, where it says.
enum class StatedDirection { Unstated, AsPredicted, AgainstPrediction };

// One reported result as the text states it.
struct FoundResult {
    int page = 0;        // 1-based, in a text of pages (a PDF's); else 0
    int line = 0;        // 1-based, of the statistic's first character (on its page)
    qsizetype start = 0; // where the result starts and ends in the decoded text
    qsizetype end = 0;
    QString raw; // the text as found, its line breaks as blanks
    Statistic statistic = Statistic::T;
    reported::Typed value; // t, or F for an F test
    double df = 0;         // of t, or the denominator df of F
    QString dfText;        // as written
    reported::ReportedP p;
    QString pText;          // the comparison and p as written ("< .05", "ns")
    bool pAboveOne = false; // a p no test can have: only its being impossible is judged
    // Reading it took a repair of a PDF's damaged glyphs: "F(l, 76)", "pb.001", "t(60) p 1.98".
    bool repaired = false;
    bool oneSided = false; // the words around it make the test one-sided
    StatedDirection direction = StatedDirection::Unstated;
    std::optional<ReportedEffect> effect;
    std::optional<int> n1, n2, total;
    // The two groups' means and SDs, in the order the text gives them; both or neither.
    std::optional<GroupDescriptives> group1, group2;
    std::optional<ReportedInterval> interval; // within its sentence, after it
};

} // namespace lx::text_check
