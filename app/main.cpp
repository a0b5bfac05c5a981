// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "app/frm_tervan.h"
#include "platform/core/runtime_error.h"
#include "platform/core/translations.h"

#include <QCommandLineParser>
#include <QMessageBox>

#include <cstring>
#include <memory>

namespace {

// --help and --version answer on the terminal without opening a window, so they work where
// there is no display (a manual page is made from them).
bool asksForInformation(int argc, char* argv[]) {
    for (int k = 1; k < argc; ++k) {
        for (const char* option : {"--help", "-h", "--help-all", "--version", "-v"}) {
            if (std::strcmp(argv[k], option) == 0) {
                return true;
            }
        }
    }
    return false;
}

int answerOnTerminal(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    lx::Application::nameTheProgram();
    lx::installTranslations(app);
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "A calculator for the two-sample t-test from summary statistics: type N, mean "
                "and SD of two sets; F5 calculates, F6 shows the full report, F7 plans the next "
                "study, F8 shows the result as a picture, Ctrl+Shift+K checks the t tests a "
                "paper's text reports, Esc clears."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (asksForInformation(argc, argv)) {
        return answerOnTerminal(argc, argv);
    }
    lx::Application app(argc, argv);
    std::unique_ptr<lx::FrmTervan> form;
    try {
        form = std::make_unique<lx::FrmTervan>();
        form->show();
    } catch (const lx::RuntimeError& error) {
        // Only a damaged build gets here: the form file is compiled in.
        QMessageBox::critical(nullptr, QStringLiteral("LxTervan"),
                              QStringLiteral("The calculator cannot start: %1").arg(error.what()));
        return 1;
    }
    // Failures from here on are reported where they happen; the program goes on.
    return lx::Application::exec();
}
