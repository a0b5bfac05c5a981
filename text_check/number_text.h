// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/reported_checks.h"

#include <QStringView>

#include <optional>

namespace lx::text_check {

// A number as a paper prints it, with '.' or ',' as its decimal mark (".03", ",03", "2,20",
// "-2.2") and the decimals it was printed with; nullopt when it is not one.
std::optional<reported::Typed> typedNumber(QStringView text);

// A number times a power of ten ("1.2e-5", "2.3 x 10^-4"): the decimals count those the
// power shifts too, so 1.2e-5 stands for [1.15e-5, 1.25e-5].
std::optional<reported::Typed> scaledNumber(QStringView mantissa, int exponent);

// A df as printed: whole or fractional (Welch), with '.' or ','. A comma before exactly three
// digits groups thousands ("1,234"), as English text prints a large sample's df; nobody
// reports a Welch df to three decimals.
std::optional<double> dfNumber(QStringView text);

} // namespace lx::text_check
