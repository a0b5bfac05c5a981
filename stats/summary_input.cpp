#include "summary_input.h"

#include "platform/core/number_text.h"
#include "platform/core/runtime_error.h"
#include "statistics.h"

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

const QString& textOf(const SummaryTexts& texts, SummaryField field) {
    return texts[static_cast<std::size_t>(field)];
}

std::optional<SummaryProblem> readCount(const SummaryTexts& texts, SummaryField field,
                                        const QLocale& locale, std::int32_t& count) {
    try {
        count = number_text::toLong(textOf(texts, field), locale);
    } catch (const RuntimeError& error) {
        return conversionProblem(field, error);
    }
    if (count < 1) {
        return problem(field, SummaryCheck::tr("%1 must be at least 1."));
    }
    return std::nullopt;
}

std::optional<SummaryProblem> readReal(const SummaryTexts& texts, SummaryField field,
                                       const QLocale& locale, double& value) {
    try {
        value = number_text::toDouble(textOf(texts, field), locale);
    } catch (const RuntimeError& error) {
        return conversionProblem(field, error);
    }
    return std::nullopt;
}

double standardError(double sd, std::int32_t count) {
    return sd / std::sqrt(static_cast<double>(count));
}

std::optional<SummaryProblem> readDeviation(const SummaryTexts& texts, SummaryField field,
                                            const QLocale& locale, std::int32_t count, double& sd) {
    if (auto unusable = readReal(texts, field, locale, sd)) {
        return unusable;
    }
    if (sd < 0) {
        return problem(field, SummaryCheck::tr("%1 must not be negative."));
    }
    // t needs the squared standard error; it must stay a finite number.
    const double sem = standardError(sd, count);
    if (!std::isfinite(sem * sem)) {
        return problem(field, SummaryCheck::tr("%1 is too large."));
    }
    return std::nullopt;
}

// With every figure usable on its own, t itself can still fail: the engine is asked, so the
// check and the calculation can never disagree.
std::optional<SummaryProblem> checkStudentT(const Summary& in) {
    const double sem1 = standardError(in.sd1, in.n1);
    const double sem2 = standardError(in.sd2, in.n2);
    if (!std::isfinite(sem1 * sem1 + sem2 * sem2)) {
        return SummaryProblem{SummaryField::SD2, SummaryCheck::tr("SD1 and SD2 are too large.")};
    }
    try {
        double t = 0;
        Statistics().TStudent(in.m1, sem1, in.m2, sem2, t);
        if (std::isfinite(t)) {
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
                                           Summary& in) {
    for (int index = 0; index < summaryFieldCount; ++index) {
        const auto field = static_cast<SummaryField>(index);
        if (textOf(texts, field).isEmpty()) {
            return problem(field, SummaryCheck::tr("Please enter %1"));
        }
    }
    if (auto unusable = readCount(texts, SummaryField::N1, locale, in.n1)) {
        return unusable;
    }
    if (auto unusable = readReal(texts, SummaryField::M1, locale, in.m1)) {
        return unusable;
    }
    if (auto unusable = readDeviation(texts, SummaryField::SD1, locale, in.n1, in.sd1)) {
        return unusable;
    }
    if (auto unusable = readCount(texts, SummaryField::N2, locale, in.n2)) {
        return unusable;
    }
    if (static_cast<std::int64_t>(in.n1) + in.n2 - 2 > std::numeric_limits<std::int32_t>::max()) {
        return SummaryProblem{SummaryField::N2, SummaryCheck::tr("N1 + N2 is too large.")};
    }
    if (auto unusable = readReal(texts, SummaryField::M2, locale, in.m2)) {
        return unusable;
    }
    if (!std::isfinite(in.m1 - in.m2)) {
        return SummaryProblem{SummaryField::M2,
                              SummaryCheck::tr("M1 and M2 are too far apart to compare.")};
    }
    if (auto unusable = readDeviation(texts, SummaryField::SD2, locale, in.n2, in.sd2)) {
        return unusable;
    }
    return checkStudentT(in);
}

} // namespace lx
