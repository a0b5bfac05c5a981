// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

#include <string>

namespace lx::cli {

// The tool's help and messages, in the user's language.
struct BatchText {
    Q_DECLARE_TR_FUNCTIONS(BatchText)
};

// A translated message as the narrow text the tool writes to its streams.
inline std::string narrow(const QString& text) {
    return text.toStdString();
}

} // namespace lx::cli
