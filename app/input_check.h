#pragma once

#include "calculator_view.h"

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

namespace lx {

// The six inputs, converted.
struct CalculatorInput {
    std::int32_t n1 = 0;
    double m1 = 0;
    double sd1 = 0;
    std::int32_t n2 = 0;
    double m2 = 0;
    double sd2 = 0;
};

// What is wrong with the input, and in which box.
struct InputProblem {
    Box box;
    QString message;
};

// Reads and checks the six boxes in their order. Empty boxes come first ("Please enter
// N1"...); then each box in turn must convert and must leave the calculation
// well defined given the boxes before it.
std::optional<InputProblem> checkInput(const CalculatorView& view, const QLocale& locale,
                                       CalculatorInput& input);

} // namespace lx
