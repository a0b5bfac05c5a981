// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

#include <optional>

namespace lx::text_check {

// A df as printed: whole or fractional (Welch), with '.' or ','. A comma before exactly three
// digits groups thousands ("1,234"), as English text prints a large sample's df; nobody
// reports a Welch df to three decimals.
std::optional<double> dfNumber(QStringView text);

} // namespace lx::text_check
