// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "platform/core/lx_export.h"

#include <QString>

#include <exception>
#include <utility>

namespace lx {

class MessageBox;

// Failures nobody planned for must never cross a Qt event handler: every
// entry point Qt calls runs its work through guarded(), which tells the user
// in an "Error!" box and lets the program go on.
namespace error_guard {

// When to show the report: at once, or once the event loop is free again
// (for paint events, which must not open a modal box while they paint).
enum class Report { Now, Later };

// Where reports go; a QMessageBox over the active window unless set.
// nullptr restores that. Not owned.
LX_EXPORT void setMessageBox(MessageBox* box);

// The text a report shows for a failure: the error's number and text.
QString describe(const std::exception_ptr& failure);

// Reports a failure to the user. Never throws.
void report(const std::exception_ptr& failure, Report when = Report::Now) noexcept;

} // namespace error_guard

// Runs fn; whatever it throws is reported instead of passed on. Returns true
// when fn finished normally.
template <typename Fn>
bool guarded(Fn&& fn, error_guard::Report when = error_guard::Report::Now) noexcept {
    try {
        std::forward<Fn>(fn)();
        return true;
    } catch (...) {
        error_guard::report(std::current_exception(), when);
        return false;
    }
}

} // namespace lx
