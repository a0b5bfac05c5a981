// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "lx_export.h"
#include <stdexcept>
#include <string>

namespace lx {

// The numbered run-time errors the program raises. The numbers are part of
// the contract with callers: tests and error handlers compare them.
enum class ErrorNumber : int {
    InvalidArgument = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    DivisionByZero = 11,
    TypeMismatch = 13,
    DesignTimeOnly = 393,
};

// A run-time error carrying its number. Thrown by arithmetic helpers,
// conversions and design-time-only property setters.
class LX_EXPORT RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(ErrorNumber number);
    RuntimeError(ErrorNumber number, const std::string& description);

    ErrorNumber number() const noexcept { return m_number; }
    int code() const noexcept { return static_cast<int>(m_number); }

    // The standard text for a number, as a user would see it.
    static std::string standardText(ErrorNumber number);

private:
    ErrorNumber m_number;
};

// Runs fn and swallows any RuntimeError it raises: the "errors suppressed"
// stretch some routines need. Returns true when fn finished without one.
template <typename Fn> bool suppressErrors(Fn&& fn) {
    try {
        fn();
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

} // namespace lx
