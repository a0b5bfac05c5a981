// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary_input.h"

#include "platform/core/number_text.h"
#include "platform/core/runtime_error.h"
#include "spread.h"
#include "statistics.h"
#include "student_test.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace lx {

namespace {

// The messages are the user's to read, in the user's language.
struct SummaryCheck {
    Q_DECLARE_TR_FUNCTIONS(SummaryCheck)
};

SummaryProblem problem(SummaryField field, const QString& message) {
    return {field, message.arg(summaryFieldName(field))};
}

SummaryProblem conversionProblem(SummaryField field, const RuntimeError& error) {
    return error.number() == ErrorNumber::Overflow
               ? problem(field, SummaryCheck::tr("%1 is too large."))
               : problem(field, SummaryCheck::tr("%1 is not a number."));
}

// The window's texts, converted with the user's locale.
class TextFields : public SummaryFields {
public:
    TextFields(const SummaryTexts& texts, const QLocale& locale)
        : m_texts(texts)
        , m_locale(locale) {}
    bool isEmpty(SummaryField field) const override { return textOf(field).isEmpty(); }
    double toDouble(SummaryField field) const override {
        return number_text::toDouble(textOf(field), m_locale);
    }

private:
    const QString& textOf(SummaryField field) const {
        return m_texts[static_cast<std::size_t>(field)];
    }
    const SummaryTexts& m_texts;
    const QLocale& m_locale;
};

std::optional<SummaryProblem> readCount(const SummaryFields& fields, SummaryField field,
                                        std::int32_t& count) {
    try {
        count = number_text::roundToLong(fields.toDouble(field));
    } catch (const RuntimeError& error) {
        return conversionProblem(field, error);
    }
    if (count < 1) {
        return problem(field, SummaryCheck::tr("%1 must be at least 1."));
    }
    return std::nullopt;
}

std::optional<SummaryProblem> readReal(const SummaryFields& fields, SummaryField field,
                                       double& value) {
    try {
        value = fields.toDouble(field);
    } catch (const RuntimeError& error) {
        return conversionProblem(field, error);
    }
    return std::nullopt;
}

std::optional<SummaryProblem> readDeviation(const SummaryFields& fields, SummaryField field,
                                            std::int32_t count, double& sd) {
    if (auto unusable = readReal(fields, field, sd)) {
        return unusable;
    }
    if (sd < 0) {
        return problem(field, SummaryCheck::tr("%1 must not be negative."));
    }
    // t needs the squared standard error; it must stay a finite number.
    const double sem = spread::standardError(sd, count);
    if (!std::isfinite(sem * sem)) {
        return problem(field, SummaryCheck::tr("%1 is too large."));
    }
    return std::nullopt;
}

// With every figure usable on its own, t itself can still fail: the engine is asked, so the
// check and the calculation can never disagree.
std::optional<SummaryProblem> checkStudentT(const Summary& in) {
    const StudentInputs inputs = studentInputs(in);
    if (!std::isfinite(inputs.se1 * inputs.se1 + inputs.se2 * inputs.se2)) {
        return SummaryProblem{SummaryField::SD2, SummaryCheck::tr("SD1 and SD2 are too large.")};
    }
    try {
        if (std::isfinite(studentT(in))) {
            return std::nullopt;
        }
    } catch (const RuntimeError& error) {
        if (error.number() == ErrorNumber::DivisionByZero) {
            if (in.sd1 == 0 && in.sd2 == 0) {
                return SummaryProblem{
                    SummaryField::SD2,
                    SummaryCheck::tr(
                        "SD1 and SD2 are both 0, so t is undefined for different means.")};
            }
            return SummaryProblem{
                SummaryField::SD2,
                SummaryCheck::tr("SD1 and SD2 are too small to compare M1 and M2.")};
        }
    }
    return SummaryProblem{SummaryField::M2,
                          SummaryCheck::tr("M1 and M2 are too far apart for SD1 and SD2.")};
}

} // namespace

QString summaryFieldName(SummaryField field) {
    static const char* const names[] = {"N1", "M1", "SD1", "N2", "M2", "SD2"};
    return QString::fromLatin1(names[static_cast<int>(field)]);
}

std::optional<SummaryProblem> checkSummary(const SummaryTexts& texts, const QLocale& locale,
                                           Summary& summary) {
    return checkSummary(TextFields(texts, locale), summary);
}

std::optional<SummaryProblem> checkSummary(const SummaryFields& fields, Summary& in) {
    for (int index = 0; index < summaryFieldCount; ++index) {
        const auto field = static_cast<SummaryField>(index);
        if (fields.isEmpty(field)) {
            return problem(field, SummaryCheck::tr("Please enter %1"));
        }
    }
    if (auto unusable = readCount(fields, SummaryField::N1, in.n1)) {
        return unusable;
    }
    if (auto unusable = readReal(fields, SummaryField::M1, in.m1)) {
        return unusable;
    }
    if (auto unusable = readDeviation(fields, SummaryField::SD1, in.n1, in.sd1)) {
        return unusable;
    }
    if (auto unusable = readCount(fields, SummaryField::N2, in.n2)) {
        return unusable;
    }
    const std::int64_t df = studentInputs(in).df;
    if (df > std::numeric_limits<std::int32_t>::max()) {
        return SummaryProblem{SummaryField::N2, SummaryCheck::tr("N1 + N2 is too large.")};
    }
    if (df == 0) {
        return SummaryProblem{
            SummaryField::N2,
            SummaryCheck::tr("A t-test needs at least three observations in all.")};
    }
    if (auto unusable = readReal(fields, SummaryField::M2, in.m2)) {
        return unusable;
    }
    if (!std::isfinite(in.m1 - in.m2)) {
        return SummaryProblem{SummaryField::M2,
                              SummaryCheck::tr("M1 and M2 are too far apart to compare.")};
    }
    if (auto unusable = readDeviation(fields, SummaryField::SD2, in.n2, in.sd2)) {
        return unusable;
    }
    return checkStudentT(in);
}

} // namespace lx
