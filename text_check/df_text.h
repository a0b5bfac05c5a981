// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

#include <optional>

namespace lx::text_check {

// A df as printed: whole or fractional (Welch), with '.' or ','. A comma is a decimal mark where
// the result's other numbers are printed with decimal commas (decimalCommas: "t(57,654) = 2,01;
// p = 0,049"); else a comma before exactly three digits groups thousands ("t(1,234) = 2.01"),
// and any other comma is no df of a t ("t(2,28) = 2.20, p = .03" names two dfs).
std::optional<double> dfNumber(QStringView text, bool decimalCommas);

} // namespace lx::text_check
