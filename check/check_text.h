// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

namespace lx::check {

// The checker's help and messages, in the user's language.
struct CheckText {
    Q_DECLARE_TR_FUNCTIONS(CheckText)
};

} // namespace lx::check
