#include "input_check.h"

#include "platform/number_text.h"
#include "platform/runtime_error.h"

#include <cmath>
#include <limits>

namespace lx {

namespace {

constexpr Box inputBoxes[] = {Box::N1, Box::M1, Box::SD1, Box::N2, Box::M2, Box::SD2};

QString boxName(Box box) {
    switch (box) {
    case Box::N1:
        return QStringLiteral("N1");
    case Box::M1:
        return QStringLiteral("M1");
    case Box::SD1:
        return QStringLiteral("SD1");
    case Box::N2:
        return QStringLiteral("N2");
    case Box::M2:
        return QStringLiteral("M2");
    case Box::SD2:
        return QStringLiteral("SD2");
    default:
        return QString();
    }
}

InputProblem problem(Box box, const QString& message) {
    return {box, message.arg(boxName(box))};
}

InputProblem conversionProblem(Box box, const RuntimeError& error) {
    return error.number() == ErrorNumber::Overflow
               ? problem(box, QStringLiteral("%1 is too large."))
               : problem(box, QStringLiteral("%1 is not a number."));
}

std::optional<InputProblem> readCount(const CalculatorView& view, Box box, const QLocale& locale,
                                      std::int32_t& count) {
    try {
        count = number_text::toLong(view.boxText(box), locale);
    } catch (const RuntimeError& error) {
        return conversionProblem(box, error);
    }
    if (count < 1) {
        return problem(box, QStringLiteral("%1 must be at least 1."));
    }
    return std::nullopt;
}

std::optional<InputProblem> readReal(const CalculatorView& view, Box box, const QLocale& locale,
                                     double& value) {
    try {
        value = number_text::toDouble(view.boxText(box), locale);
    } catch (const RuntimeError& error) {
        return conversionProblem(box, error);
    }
    return std::nullopt;
}

std::optional<InputProblem> readDeviation(const CalculatorView& view, Box box,
                                          const QLocale& locale, std::int32_t count, double& sd) {
    if (auto unusable = readReal(view, box, locale, sd)) {
        return unusable;
    }
    if (sd < 0) {
        return problem(box, QStringLiteral("%1 must not be negative."));
    }
    // t needs the squared standard error; it must stay a finite number.
    const double sem = sd / std::sqrt(static_cast<double>(count));
    if (!std::isfinite(sem * sem)) {
        return problem(box, QStringLiteral("%1 is too large."));
    }
    return std::nullopt;
}

double squaredError(double sd, std::int32_t count) {
    const double sem = sd / std::sqrt(static_cast<double>(count));
    return sem * sem;
}

} // namespace

std::optional<InputProblem> checkInput(const CalculatorView& view, const QLocale& locale,
                                       CalculatorInput& in) {
    for (const Box box : inputBoxes) {
        if (view.boxText(box).isEmpty()) {
            return InputProblem{box, QStringLiteral("Please enter %1").arg(boxName(box))};
        }
    }
    if (auto unusable = readCount(view, Box::N1, locale, in.n1)) {
        return unusable;
    }
    if (auto unusable = readReal(view, Box::M1, locale, in.m1)) {
        return unusable;
    }
    if (auto unusable = readDeviation(view, Box::SD1, locale, in.n1, in.sd1)) {
        return unusable;
    }
    if (auto unusable = readCount(view, Box::N2, locale, in.n2)) {
        return unusable;
    }
    if (static_cast<std::int64_t>(in.n1) + in.n2 - 2 > std::numeric_limits<std::int32_t>::max()) {
        return InputProblem{Box::N2, QStringLiteral("N1 + N2 is too large.")};
    }
    if (auto unusable = readReal(view, Box::M2, locale, in.m2)) {
        return unusable;
    }
    if (!std::isfinite(in.m1 - in.m2)) {
        return InputProblem{Box::M2, QStringLiteral("M1 and M2 are too far apart to compare.")};
    }
    if (auto unusable = readDeviation(view, Box::SD2, locale, in.n2, in.sd2)) {
        return unusable;
    }
    const double variance = squaredError(in.sd1, in.n1) + squaredError(in.sd2, in.n2);
    if (!std::isfinite(variance)) {
        return InputProblem{Box::SD2, QStringLiteral("SD1 and SD2 are too large.")};
    }
    if (in.m1 != in.m2 && variance == 0) {
        return InputProblem{
            Box::SD2,
            QStringLiteral("SD1 and SD2 are both 0, so t is undefined for different means.")};
    }
    return std::nullopt;
}

} // namespace lx
