// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculation.h"

#include "platform/core/number_text.h"
#include "stats/statistics.h"
#include "stats/student_test.h"
#include "stats/summary_input.h"
#include "stats/two_sample_report.h"

namespace lx {

namespace {

// The input boxes come first in Box, in the order of SummaryField.
Box boxOf(SummaryField field) {
    return static_cast<Box>(static_cast<int>(field));
}

SummaryTexts inputTexts(const CalculatorView& view) {
    SummaryTexts texts;
    for (int index = 0; index < summaryFieldCount; ++index) {
        texts[static_cast<std::size_t>(index)] = view.boxText(static_cast<Box>(index));
    }
    return texts;
}

// Typed means and SDs stand for anything their last digit rounds from.
TypedRounding typedRoundingOf(const CalculatorView& view, const QLocale& locale) {
    const auto decimals = [&](Box box) -> std::optional<int> {
        if (view.boxTextIsExact(box)) {
            return std::nullopt;
        }
        return typedDecimals(view.boxText(box), locale);
    };
    return TypedRounding::ofDecimals(decimals(Box::M1), decimals(Box::SD1), decimals(Box::M2),
                                     decimals(Box::SD2));
}

} // namespace

void Calculate(CalculatorView& view) {
    const QLocale locale;
    Summary in;
    if (const auto unusable = checkSummary(inputTexts(view), locale, in)) {
        const Box box = boxOf(unusable->field);
        view.showMessage(unusable->message, MessageBox::errorTitle(),
                         MessageBox::Icon::Exclamation);
        // An empty box leaves the focus where it was; a wrong value is
        // handed back to the user to mend.
        if (!view.boxText(box).isEmpty()) {
            view.focusBox(box);
        }
        return;
    }

    // checkSummary refuses a df of 0 or beyond 32 bits.
    const auto freedom = static_cast<std::int32_t>(studentInputs(in).df);
    view.setBoxText(Box::Freedom, number_text::fromLong(freedom, locale));

    const double t = studentT(in);
    view.setBoxText(Box::Student, number_text::fromDouble(t, locale));

    QString p;
    Statistics().PStudent(t, freedom, p, locale);
    view.setBoxText(Box::P, p);

    ReportRequest request;
    request.rounding = typedRoundingOf(view, locale);
    view.showReport(in, request);

    view.focusBox(Box::N2);
}

} // namespace lx
