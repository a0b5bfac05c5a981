// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include "platform/core/translations.h"
#include "platform/error_guard.h"

namespace lx {

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv) {
    nameTheProgram();
    installTranslations(*this);
}

void Application::nameTheProgram() {
    setApplicationName(QStringLiteral("LxTervan"));
    setOrganizationName(QStringLiteral("LxTervan"));
    setApplicationVersion(QStringLiteral(LXTERVAN_VERSION));
}

bool Application::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    // A modal box must not open in the middle of painting.
    const auto when =
        event->type() == QEvent::Paint ? error_guard::Report::Later : error_guard::Report::Now;
    guarded([&] { handled = QApplication::notify(receiver, event); }, when);
    return handled;
}

} // namespace lx
