// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

namespace lx {

// The calculator's application object. Every event it delivers runs guarded,
// so a failure in a handler that has no guard of its own is still reported
// to the user instead of ending the program.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The program's name, organisation and version: the window memory is stored under them.
    static void nameTheProgram();
};

} // namespace lx
