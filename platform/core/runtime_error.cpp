// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "runtime_error.h"

#include <QtGlobal>

namespace lx {

RuntimeError::RuntimeError(ErrorNumber number)
    : RuntimeError(number, standardText(number)) {}

RuntimeError::RuntimeError(ErrorNumber number, const std::string& description)
    : std::runtime_error(description)
    , m_number(number) {}

// Marked for translation: the texts are translated where they are shown.
std::string RuntimeError::standardText(ErrorNumber number) {
    switch (number) {
    case ErrorNumber::InvalidArgument:
        return QT_TRANSLATE_NOOP("RuntimeError", "Invalid procedure call or argument");
    case ErrorNumber::Overflow:
        return QT_TRANSLATE_NOOP("RuntimeError", "Overflow");
    case ErrorNumber::SubscriptOutOfRange:
        return QT_TRANSLATE_NOOP("RuntimeError", "Subscript out of range");
    case ErrorNumber::DivisionByZero:
        return QT_TRANSLATE_NOOP("RuntimeError", "Division by zero");
    case ErrorNumber::TypeMismatch:
        return QT_TRANSLATE_NOOP("RuntimeError", "Type mismatch");
    case ErrorNumber::DesignTimeOnly:
        return QT_TRANSLATE_NOOP("RuntimeError", "Set not permitted at run time");
    }
    return QT_TRANSLATE_NOOP("RuntimeError", "Application-defined or object-defined error");
}

} // namespace lx
