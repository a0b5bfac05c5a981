// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "error_guard.h"

#include "core/runtime_error.h"
#include "message_box.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QtGlobal>

namespace lx::error_guard {

namespace {

MessageBox* g_messageBox = nullptr;
// A failing handler may fail again while its report is open (a repaint under
// the box); one report at a time is enough.
bool g_reporting = false;

void show(const QString& text) {
    if (g_reporting) {
        qWarning("%s", qPrintable(text));
        return;
    }
    g_reporting = true;
    try {
        if (g_messageBox) {
            g_messageBox->show(text, MessageBox::errorTitle(), MessageBox::Icon::Critical);
        } else {
            QtMessageBox(QApplication::activeWindow())
                .show(text, MessageBox::errorTitle(), MessageBox::Icon::Critical);
        }
    } catch (...) {
        qWarning("%s", qPrintable(text));
    }
    g_reporting = false;
}

} // namespace

void setMessageBox(MessageBox* box) {
    g_messageBox = box;
}

QString describe(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const RuntimeError& error) {
        return QCoreApplication::translate("ErrorGuard", "Run-time error %1: %2")
            .arg(error.code())
            .arg(QCoreApplication::translate("RuntimeError", error.what()));
    } catch (const std::exception& error) {
        return QCoreApplication::translate("ErrorGuard", "Run-time error: %1").arg(error.what());
    } catch (...) {
        return QCoreApplication::translate("ErrorGuard", "Run-time error: unknown failure");
    }
}

void report(const std::exception_ptr& failure, Report when) noexcept {
    try {
        const QString text = describe(failure);
        if (when == Report::Later && QCoreApplication::instance()) {
            QTimer::singleShot(0, QCoreApplication::instance(), [text] { show(text); });
        } else {
            show(text);
        }
    } catch (...) {
        qWarning("An error could not be reported.");
    }
}

} // namespace lx::error_guard
